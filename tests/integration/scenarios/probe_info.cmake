# plughost info on the probe plug-in, whose parameter value texts are the
# host's answers to its queries, and whose program names are Windows-1252.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

check_plughost(ARGS info "${PLUGIN}" EXIT 0 STDOUT
  [[Effect ID:       Prob (0x50726F62)]]
  [[Version:         7]]
  [[Effect name:     "Host probe"]]
  [[Vendor:          (none)]]
  [[Category:        0 (not given)]]
  [[Programs:        2]]
  [[Parameters:      12]]
  [[Inputs:          2]]
  [[Outputs:         3]]
  [[Flags:           0 (none)]]
  [[  index  title                        value text      unit  raw value]]
  [[  0      "host version"               "2400"          ""    0]]
  [[  1      "host vendor"                "ZOV"           ""    0]]
  [[  2      "host product"               "plughost"      ""    0]]
  [[  3      "host vendor version"        "1"             ""    0]]
  [[  4      "sample rate"                "44100"         ""    0]]
  [[  5      "block size"                 "512"           ""    0]]
  [[  6      "language"                   "1"             ""    0]]
  [[  7      "current id"                 "0"             ""    0]]
  [[  8      "idle"                       "1"             ""    0]]
  [[  9      "supports startStopProcess"  "1"             ""    0]]
  [[  10     "supports sizeWindow"        "0"             ""    0]]
  [[  11     "directory"                  "fake_plugins"  ""    0]]
  [[  0      "Tamaño"]]
  [[  1      "Señal €"]]
  [[Automation sent to the host: none]])
