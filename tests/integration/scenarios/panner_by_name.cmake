# Corvelan's parameters by title: " pan1 " is pan1, " Main2 " is Main2; the
# same render as by index. Its JSON matches its info.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/json_matches_info.cmake)

check_plughost(ARGS process "${PLUGIN}" stereo_float.wav panner_by_index.wav --param 0=0.3 --param 5=0.5
  EXIT 0 OUTPUT panner_by_index.wav CHANNELS 10)
check_plughost(ARGS process "${PLUGIN}" stereo_float.wav panner_by_name.wav --param pan1=0.3 "--param= Main2 =0.5"
  EXIT 0 OUTPUT panner_by_name.wav SAME_AS panner_by_index.wav)
check_plughost(ARGS process "${PLUGIN}" stereo_float.wav refused.wav --param pan5=1 EXIT 1 OUTPUT refused.wav STDERR
  "plughost: no parameter named 'pan5': '${PLUGIN}' has pan1, pan2, pan3, pan4, Main1, Main2, Main3, Main4")

json_matches_info("${PLUGIN}")
