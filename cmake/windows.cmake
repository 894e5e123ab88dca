# The shipped module: Vantor_Instr.gau, a 32-bit DLL that exports exactly
# Linkage and ImportTable and imports only system DLLs.
add_library(Vantor_Instr SHARED ${VANTOR_MODULE_SOURCES} ${CMAKE_SOURCE_DIR}/frame/exports.def)
set_target_properties(Vantor_Instr PROPERTIES PREFIX "" SUFFIX ".gau")
target_include_directories(Vantor_Instr PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(Vantor_Instr PRIVATE
  -fno-exceptions -fno-rtti -mfpmath=sse -msse2 -Wall -Wextra -Werror)
target_link_options(Vantor_Instr PRIVATE -static -static-libgcc -static-libstdc++)

# DirectSoundCreate by ordinal 1, from an import library made here; the
# window search comes from user32.
set(VANTOR_DSOUND_IMPORTS ${CMAKE_BINARY_DIR}/libdsound_ordinal.a)
add_custom_command(OUTPUT ${VANTOR_DSOUND_IMPORTS}
  COMMAND ${CMAKE_DLLTOOL} -k -d ${CMAKE_SOURCE_DIR}/cmake/dsound.def -l ${VANTOR_DSOUND_IMPORTS}
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/dsound.def
  VERBATIM)
add_custom_target(dsound_imports DEPENDS ${VANTOR_DSOUND_IMPORTS})
add_dependencies(Vantor_Instr dsound_imports)
target_link_libraries(Vantor_Instr PRIVATE ${VANTOR_DSOUND_IMPORTS} user32)

# The version resource, from the project's version and description.
enable_language(RC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.rc.in ${CMAKE_BINARY_DIR}/Vantor_Instr_version.rc @ONLY)
target_sources(Vantor_Instr PRIVATE ${CMAKE_BINARY_DIR}/Vantor_Instr_version.rc)

# Resources: every bitmap of resources/bitmaps.tsv and every sound, taken from
# the folder the native build fills (artgen's bitmaps, the WAVE files).
if(VANTOR_RESOURCE_DIR)
  include(${CMAKE_CURRENT_LIST_DIR}/resource_script.cmake)
  vantor_resource_script(${VANTOR_RESOURCE_DIR} ${CMAKE_BINARY_DIR}/Vantor_Instr.rc VANTOR_RESOURCE_FILES)
  target_sources(Vantor_Instr PRIVATE ${CMAKE_BINARY_DIR}/Vantor_Instr.rc)
  set_source_files_properties(${CMAKE_BINARY_DIR}/Vantor_Instr.rc PROPERTIES OBJECT_DEPENDS "${VANTOR_RESOURCE_FILES}")
else()
  set(message "Vantor_Instr.gau needs its bitmaps and sounds, which the native build makes: \
build the native preset (it builds this module too), or configure this build with \
-DVANTOR_RESOURCE_DIR=/path/to/build/native/Vantor_Instr.resources after a native build.")
  message(WARNING "VANTOR_RESOURCE_DIR is not set. ${message}")
  add_custom_target(resources_required
    COMMAND ${CMAKE_COMMAND} -E echo "${message}"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
  add_dependencies(Vantor_Instr resources_required)
endif()

# Loader probe: lists the module's gauges the way the host would see them.
add_executable(gaugelist ${CMAKE_SOURCE_DIR}/tools/gaugelist/gaugelist.cpp)
target_include_directories(gaugelist PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(gaugelist PRIVATE -static)

# The host core and hostprobe.exe, which runs panel scenarios against the .gau.
if(EXISTS ${CMAKE_SOURCE_DIR}/host/CMakeLists.txt)
  add_subdirectory(host)
endif()
