# Command lines plughost must refuse: exit code 2 with the problem and the
# usage for syntax, exit code 1 for settings the effect does not have.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

set(process_usage
  "usage: plughost process PLUGIN IN.wav OUT.wav [--program N] [--param NAME|INDEX=VALUE]... [--tail SECONDS] [--block FRAMES] [--adding] [--quiet]")

check_plughost(ARGS EXIT 2 STDERR
  "plughost: no command given"
  "usage: plughost info PLUGIN [--json]"
  "       plughost process PLUGIN IN.wav OUT.wav [--program N] [--param NAME|INDEX=VALUE]... [--tail SECONDS] [--block FRAMES] [--adding] [--quiet]"
  "       plughost presets PLUGIN IN.wav OUTDIR [--tail SECONDS] [--block FRAMES] [--quiet]"
  "       plughost bench PLUGIN [--block FRAMES] [--seconds S] [--runs N]"
  "       plughost editor PLUGIN [--screenshot FILE.png] [--after MS] [--program N]")
check_plughost(ARGS help EXIT 0 STDOUT
  "usage: plughost info PLUGIN [--json]")
check_plughost(ARGS process "${PLUGIN}" stereo_float.wav EXIT 2 STDERR
  "plughost: process needs PLUGIN, IN.wav and OUT.wav"
  "${process_usage}")
check_plughost(ARGS process "${PLUGIN}" stereo_float.wav refused.wav --param 0 EXIT 2 OUTPUT refused.wav STDERR
  "plughost: --param needs NAME=VALUE or INDEX=VALUE (e.g. 0=0.5), not '0'"
  "${process_usage}")
check_plughost(ARGS process "${PLUGIN}" stereo_float.wav refused.wav --program 1 EXIT 1 OUTPUT refused.wav STDERR
  "plughost: no program 1: '${PLUGIN}' has 1 program")
check_plughost(ARGS process "${PLUGIN}" stereo_float.wav refused.wav --param 2=1 EXIT 1 OUTPUT refused.wav STDERR
  "plughost: no parameter 2: '${PLUGIN}' has 2 parameters")
