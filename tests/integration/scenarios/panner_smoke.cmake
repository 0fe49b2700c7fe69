# Corvelan as any host sees it: its identity, and a render of a stereo file
# into its ten outputs (inputs 3 and 4 get silence). Its pan law is tested
# with the panner itself.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

check_plughost(ARGS info "${PLUGIN}" EXIT 0 STDOUT
  [[Effect ID:       PLNP (0x504C4E50)]]
  [[Vendor:          "Ilvaro @ Tarnovik"]]
  [[Product:         "Vexilo4-10"]]
  [[Programs:        16]]
  [[Parameters:      8]]
  [[Inputs:          4]]
  [[Outputs:         10]])
check_plughost(ARGS process "${PLUGIN}" stereo_float.wav panner.wav --program 3
  EXIT 0 OUTPUT panner.wav CHANNELS 10)
