# plughost info on ZOVaMono: its identity and its one parameter.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

check_plughost(ARGS info "${PLUGIN}" EXIT 0 STDOUT
  [[Effect ID:       QZ01 (0x515A3031)]]
  [[Effect name:     "ZOV Mono"]]
  [[Vendor:          "ZOV Audio Effects"]]
  [[Product:         "ZOV Audio Product Mono"]]
  [[Vendor version:  1000]]
  [[Category:        1 (effect)]]
  [[Parameters:      1]]
  [[Flags:           24 (MonoFlag OverwriteFlag)]]
  [[  index  title    value text  unit   raw value]]
  [[  0      "Gain "  "0.000000"  " dB"  1]]
  [[  0      "Default "]])
