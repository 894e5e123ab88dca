# Native build for development and tests: Vantor_Instr.so from the same
# sources, the tests, and the 32-bit Windows module as a sub-build.
include(CTest)

# Sanitizer build (preset `sanitize`): everything native under AddressSanitizer
# and UndefinedBehaviorSanitizer, and any finding ends the program, so that it
# fails the build step or test that met it. LeakSanitizer ignores only the
# caches libfontconfig keeps to the end of a drawing process.
option(VANTOR_SANITIZE "Build with -fsanitize=address,undefined,float-cast-overflow" OFF)
set(VANTOR_TOOL_ENV "")
if(VANTOR_SANITIZE)
  set(VANTOR_SANITIZERS address,undefined,float-cast-overflow)
  add_compile_options(-fsanitize=${VANTOR_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${VANTOR_SANITIZERS})
  set(VANTOR_SANITIZER_ENV
    LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan-suppressions.txt:print_suppressions=0
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1)
  # Programs run while building (artgen), and every test.
  set(VANTOR_TOOL_ENV ${CMAKE_COMMAND} -E env ${VANTOR_SANITIZER_ENV})
  set(env_script "")
  foreach(setting ${VANTOR_SANITIZER_ENV})
    string(REGEX MATCH "^[A-Z_]+" name "${setting}")
    string(REGEX REPLACE "^[A-Z_]+=" "" value "${setting}")
    string(APPEND env_script "set(ENV{${name}} \"${value}\")\n")
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/sanitizer_env.cmake "${env_script}")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/sanitizer_env.cmake)
endif()

add_library(Vantor_Instr SHARED ${VANTOR_MODULE_SOURCES})
set_target_properties(Vantor_Instr PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden)
target_include_directories(Vantor_Instr PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(Vantor_Instr PRIVATE -fno-exceptions -fno-rtti -Wall -Wextra -Werror)
# Only the two records leave the object; the version script also keeps weak
# and unique symbols local so that dlclose really unloads it.
target_link_options(Vantor_Instr PRIVATE -Wl,--version-script=${CMAKE_SOURCE_DIR}/frame/exports.map)
if(NOT VANTOR_SANITIZE)
  # Sanitized, the library leaves the runtime's symbols to the program.
  target_link_options(Vantor_Instr PRIVATE -Wl,--no-undefined)
endif()
set_target_properties(Vantor_Instr PROPERTIES LINK_DEPENDS ${CMAKE_SOURCE_DIR}/frame/exports.map)
# The Win32 subset the module calls, served natively by platform/.
target_link_libraries(Vantor_Instr PRIVATE vantor_platform)

# The module's resources beside it, where the platform layer looks for them:
# Vantor_Instr.resources/bitmap/<id>.bmp (drawn by artgen) and WAVE/<id>.wav.
set(VANTOR_RESOURCE_DIR ${CMAKE_BINARY_DIR}/Vantor_Instr.resources)

add_executable(gaugelist tools/gaugelist/gaugelist.cpp)
target_include_directories(gaugelist PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(gaugelist PRIVATE ${CMAKE_DL_LIBS})

option(VANTOR_WINDOWS_BUILD "Cross-build the 32-bit Windows module" ON)
if(VANTOR_WINDOWS_BUILD)
  include(ExternalProject)
  set(VANTOR_WINDOWS_DIR ${CMAKE_BINARY_DIR}/windows)
  ExternalProject_Add(windows_module
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${VANTOR_WINDOWS_DIR}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DVANTOR_RESOURCE_DIR=${VANTOR_RESOURCE_DIR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  set(VANTOR_GAU ${VANTOR_WINDOWS_DIR}/Vantor_Instr.gau)
  set(VANTOR_GAUGELIST_EXE ${VANTOR_WINDOWS_DIR}/gaugelist.exe)
endif()

# The platform layer, the host emulator, its renderer, the art generator and
# the benchmarks, as they arrive.
foreach(part platform host host/render host/viewer tools/artgen tools/backdrops bench)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${part}/CMakeLists.txt)
    add_subdirectory(${part})
  endif()
endforeach()

# Bitmaps drawn by artgen from the table and the module's records, and the
# sounds copied; stamps make both re-run only when an input changes.
file(GLOB VANTOR_SOUNDS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/sounds/*.wav)
add_custom_command(OUTPUT ${VANTOR_RESOURCE_DIR}/bitmap.stamp
  COMMAND ${VANTOR_TOOL_ENV} $<TARGET_FILE:artgen> --module $<TARGET_FILE:Vantor_Instr> --table ${CMAKE_SOURCE_DIR}/resources/bitmaps.tsv
    --out ${VANTOR_RESOURCE_DIR}/bitmap
  COMMAND ${CMAKE_COMMAND} -E touch ${VANTOR_RESOURCE_DIR}/bitmap.stamp
  DEPENDS artgen Vantor_Instr ${CMAKE_SOURCE_DIR}/resources/bitmaps.tsv
  COMMENT "Drawing the module's bitmaps"
  VERBATIM)
add_custom_command(OUTPUT ${VANTOR_RESOURCE_DIR}/WAVE.stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTOR_RESOURCE_DIR}/WAVE
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VANTOR_SOUNDS} ${VANTOR_RESOURCE_DIR}/WAVE
  COMMAND ${CMAKE_COMMAND} -E touch ${VANTOR_RESOURCE_DIR}/WAVE.stamp
  DEPENDS ${VANTOR_SOUNDS}
  COMMENT "Copying the module's sounds"
  VERBATIM)
add_custom_target(module_resources ALL
  DEPENDS ${VANTOR_RESOURCE_DIR}/bitmap.stamp ${VANTOR_RESOURCE_DIR}/WAVE.stamp)
if(VANTOR_WINDOWS_BUILD)
  add_dependencies(windows_module module_resources)
endif()

if(BUILD_TESTING)
  add_subdirectory(tests)
  # The fuzz targets need clang's libFuzzer and the sanitizers.
  if(VANTOR_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_subdirectory(fuzz)
  endif()
endif()
