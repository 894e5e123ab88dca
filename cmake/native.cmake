# Native build for development and tests: Vantor_Instr.so from the same
# sources, the tests, and the 32-bit Windows module as a sub-build.
include(CTest)

add_library(Vantor_Instr SHARED ${VANTOR_MODULE_SOURCES})
set_target_properties(Vantor_Instr PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden)
target_include_directories(Vantor_Instr PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(Vantor_Instr PRIVATE -fno-exceptions -fno-rtti -Wall -Wextra -Werror)
# Only the two records leave the object; the version script also keeps weak
# and unique symbols local so that dlclose really unloads it.
target_link_options(Vantor_Instr PRIVATE
  -Wl,--version-script=${CMAKE_SOURCE_DIR}/frame/exports.map -Wl,--no-undefined)
set_target_properties(Vantor_Instr PROPERTIES LINK_DEPENDS ${CMAKE_SOURCE_DIR}/frame/exports.map)

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
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  set(VANTOR_GAU ${VANTOR_WINDOWS_DIR}/Vantor_Instr.gau)
  set(VANTOR_GAUGELIST_EXE ${VANTOR_WINDOWS_DIR}/gaugelist.exe)
endif()

# The platform layer, the host emulator and the art generator, as they arrive.
foreach(part platform host tools/artgen)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${part}/CMakeLists.txt)
    add_subdirectory(${part})
  endif()
endforeach()

if(BUILD_TESTING)
  add_subdirectory(tests)
endif()
