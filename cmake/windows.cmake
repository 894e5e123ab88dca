# The shipped module: Vantor_Instr.gau, a 32-bit DLL that exports exactly
# Linkage and ImportTable and imports only system DLLs.
add_library(Vantor_Instr SHARED ${VANTOR_MODULE_SOURCES} ${CMAKE_SOURCE_DIR}/frame/exports.def)
set_target_properties(Vantor_Instr PROPERTIES PREFIX "" SUFFIX ".gau")
target_include_directories(Vantor_Instr PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(Vantor_Instr PRIVATE
  -fno-exceptions -fno-rtti -mfpmath=sse -msse2 -Wall -Wextra -Werror)
target_link_options(Vantor_Instr PRIVATE -static -static-libgcc -static-libstdc++)

# Loader probe: lists the module's gauges the way the host would see them.
add_executable(gaugelist ${CMAKE_SOURCE_DIR}/tools/gaugelist/gaugelist.cpp)
target_include_directories(gaugelist PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(gaugelist PRIVATE -static)
