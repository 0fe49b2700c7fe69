# MiralteaVerb as any host sees it: its identity, its Windows-1252 program
# names shown as UTF-8, and a render with its two outputs. Its sound is
# tested with the reverb itself.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

check_plughost(ARGS info "${PLUGIN}" EXIT 0 STDOUT
  [[Effect ID:       MzRv (0x4D7A5276)]]
  [[Programs:        25]]
  [[Parameters:      16]]
  [[Inputs:          2]]
  [[Outputs:         2]]
  [[  2      "Sala Pequeña"]]
  [[  14     "Sala Pequeña  (Insert)"]])
check_plughost(ARGS process "${PLUGIN}" stereo_pcm24.wav reverb.wav --program 5 --block 256
  EXIT 0 OUTPUT reverb.wav CHANNELS 2)
