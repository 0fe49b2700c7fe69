# Helpers shared by every folder: one call builds a thing and, for tests,
# registers it, so the two lists never drift apart.

set(DOCTEST_INCLUDE_DIR /usr/include/doctest)

# Shared doctest main (switches off Windows error dialogs so a failing test
# under Wine can never hang on a message box).
add_library(test_main OBJECT ${CMAKE_SOURCE_DIR}/tests/support/doctest_main.cpp)
target_include_directories(test_main PUBLIC ${DOCTEST_INCLUDE_DIR})
if(WIN32)
  # The MinGW runtime we link statically has no std::mutex.
  add_compile_definitions(DOCTEST_CONFIG_NO_MULTITHREADING)
endif()

# add_unit_test(NAME SOURCES a.cpp ... [LIBS lib ...] [WINE])
# Builds a doctest program and registers it with CTest. Unit tests run in the
# native build; with WINE they also run in the win64 build under Wine.
function(add_unit_test name)
  cmake_parse_arguments(T "WINE" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} $<TARGET_OBJECTS:test_main>)
  target_include_directories(${name} PRIVATE ${DOCTEST_INCLUDE_DIR} ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  if(WIN32)
    target_link_options(${name} PRIVATE -static)
  endif()
  if(NOT CMAKE_CROSSCOMPILING OR (T_WINE AND CMAKE_CROSSCOMPILING_EMULATOR))
    add_test(NAME ${name} COMMAND ${name})
  endif()
endfunction()

# add_plugin(NAME LEVEL n LIBS effect_lib ...)
# A deliverable: a Windows DLL exporting only "main", or on Linux a shared
# object exporting "main" and "VSTPluginMain". Copied into DIST_DIR.
function(add_plugin name)
  cmake_parse_arguments(P "" "LEVEL" "SOURCES;LIBS;RESOURCES" ${ARGN})
  add_library(${name} MODULE ${P_SOURCES} ${P_RESOURCES})
  target_link_libraries(${name} PRIVATE ${P_LIBS} framework_level${P_LEVEL} framework_entry_level${P_LEVEL})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  if(WIN32)
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/framework/plugin.def
      ${CMAKE_SOURCE_DIR}/framework/dll_entry_win32.cpp)
    target_link_options(${name} PRIVATE -static -Wl,--kill-at)
  else()
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/framework/plugin_exports_linux.cpp)
    target_link_options(${name} PRIVATE -Wl,--no-undefined)
  endif()
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${name}> ${DIST_DIR}/
    VERBATIM)
endfunction()
