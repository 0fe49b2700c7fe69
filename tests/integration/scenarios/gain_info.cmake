# plughost info on ZOVaGain: its identity, both parameters with their texts,
# its one program, and no capability claimed.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

check_plughost(ARGS info "${PLUGIN}" EXIT 0 STDOUT
  "Plug-in:         ${PLUGIN}"
  [[Effect ID:       QZ02 (0x515A3032)]]
  [[Version:         1]]
  [[Vendor:          "ZOV Audio Effects"]]
  [[Product:         "ZOV Audio Product Gain"]]
  [[Vendor version:  1000]]
  [[Category:        1 (effect)]]
  [[Interface:       2300]]
  [[Programs:        1]]
  [[Parameters:      2]]
  [[Inputs:          2]]
  [[Outputs:         2]]
  [[Latency:         0]]
  [[Flags:           24 (MonoFlag OverwriteFlag)]]
  [[  index  title         value text  unit   raw value]]
  [[  0      "Left Gain"   "0.000000"  " dB"  1]]
  [[  1      "Right Gain"  "0.000000"  " dB"  1]]
  [[Programs (current 0):]]
  [[  0      "Default "]]
  [[  sendVstEvents          0]]
  [[  bypass                 0]]
  [[  sendVstEvents            0]]
  [[  startStopProcess         0]]
  [[Automation sent to the host: none]])
