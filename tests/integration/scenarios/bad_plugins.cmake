# Files plughost must refuse as plug-ins: one clear line, exit code 1, and
# no output file.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

if(TARGET_WINDOWS)
  set(not_loadable "not a 64-bit Windows DLL")
  set(text_plugin not_a_plugin.dll)
  set(entry_names "main")
else()
  set(not_loadable "file too short")
  set(text_plugin not_a_plugin.so)
  set(entry_names "VSTPluginMain or main")
endif()

check_plughost(ARGS info missing_plugin EXIT 1
  STDERR "plughost: cannot load 'missing_plugin': no such file")
check_plughost(ARGS process ${text_plugin} stereo_float.wav refused.wav EXIT 1 OUTPUT refused.wav
  STDERR "plughost: cannot load '${text_plugin}': not a loadable library (${not_loadable})")
check_plughost(ARGS process "${NO_ENTRY}" stereo_float.wav refused.wav EXIT 1 OUTPUT refused.wav
  STDERR "plughost: '${NO_ENTRY}' is not a plug-in: it exports no ${entry_names}")
check_plughost(ARGS process "${NULL_ENTRY}" stereo_float.wav refused.wav EXIT 1 OUTPUT refused.wav
  STDERR "plughost: '${NULL_ENTRY}' made no effect: its main answered null")
check_plughost(ARGS info "${WRONG_MAGIC}" EXIT 1
  STDERR "plughost: '${WRONG_MAGIC}' is not a plug-in: its effect record has the magic 0x56737451, not 0x56737450")
