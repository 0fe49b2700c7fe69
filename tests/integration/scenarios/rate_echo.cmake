# plughost process on a plug-in that echoes its sample rate as its output
# level: the rate comes from the WAV file (the peak shows it), the default
# tail stops at the 30 s cap for an output that never falls silent, and
# parameters are found by title.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

# Rate / 1e6 as the level: 22050 Hz -33.13 dBFS, 44100 Hz -27.11, 48000 Hz
# -26.38, 96000 Hz -20.35.
foreach(case
    "mono_pcm16.wav|1500 frames, 0.068 s (tail 0.000 s), 1 channel at 22050 Hz, peak -33.13 dBFS"
    "stereo_float.wav|1500 frames, 0.034 s (tail 0.000 s), 1 channel at 44100 Hz, peak -27.11 dBFS"
    "stereo_pcm24.wav|1500 frames, 0.031 s (tail 0.000 s), 1 channel at 48000 Hz, peak -26.38 dBFS"
    "three_channels_float.wav|1500 frames, 0.016 s (tail 0.000 s), 1 channel at 96000 Hz, peak -20.35 dBFS")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 file)
  list(GET case 1 summary)
  summary_pattern(line "wrote rate.wav: ${summary}")
  check_plughost(ARGS process "${PLUGIN}" ${file} rate.wav --tail 0 EXIT 0 OUTPUT rate.wav CHANNELS 1
    STDOUT_MATCHES "${line}")
endforeach()

# Never quiet: the default tail ends at 30 s of 22050 Hz, 661500 frames.
summary_pattern(line
  "wrote capped.wav: 663000 frames, 30.068 s (tail 30.000 s), 1 channel at 22050 Hz, peak -33.13 dBFS")
check_plughost(ARGS process "${PLUGIN}" mono_pcm16.wav capped.wav EXIT 0 OUTPUT capped.wav STDOUT_MATCHES "${line}")
file(SIZE "${WORK}/capped.wav" size)
if(size LESS 2652000)
  message(SEND_ERROR "capped.wav has ${size} bytes, too few for 663000 float frames")
endif()
# A fixed tail is exact.
summary_pattern(line "wrote fixed.wav: 12525 frames, 0.568 s (tail 0.500 s), 1 channel at 22050 Hz, peak -33.13 dBFS")
check_plughost(ARGS process "${PLUGIN}" mono_pcm16.wav fixed.wav --tail 0.5 --adding EXIT 0 OUTPUT fixed.wav
  STDOUT_MATCHES "${line}")

# Titles " Rate ", "Mix", " mix " and "Pequeño" (Windows-1252): padding is
# ignored, an exact title wins over one that differs in case, and names may
# be written in UTF-8; case is ignored for ASCII letters only. The effect
# reports each change back.
check_plughost(ARGS process "${PLUGIN}" mono_pcm16.wav named.wav --tail 0
    --param Rate=0.125 --param " mix=0.25" --param Mix=0.5 --param "Pequeño=0.75" --param PEQUEño=1 --param 3=0
  EXIT 0 OUTPUT named.wav STDOUT
    "automation: parameter 0 = 0.125"
    "automation: parameter 2 = 0.25"
    "automation: parameter 1 = 0.5"
    "automation: parameter 3 = 0.75"
    "automation: parameter 3 = 0"
  STDOUT_MATCHES "wrote named\\.wav: 1500 frames, .*")
check_plughost(ARGS process "${PLUGIN}" mono_pcm16.wav refused.wav --param MIX=1 EXIT 1 OUTPUT refused.wav STDERR
  "plughost: parameter name 'MIX' is ambiguous: parameters 1 and 2 have that title")
check_plughost(ARGS process "${PLUGIN}" mono_pcm16.wav refused.wav --param rate=1 --param Level=1 EXIT 1
  OUTPUT refused.wav STDERR
  "plughost: no parameter named 'Level': '${PLUGIN}' has Rate, Mix, mix, Pequeño")
check_plughost(ARGS process "${PLUGIN}" mono_pcm16.wav refused.wav --param 4=1 EXIT 1 OUTPUT refused.wav STDERR
  "plughost: no parameter 4: '${PLUGIN}' has 4 parameters")

# --quiet: the file and nothing on either stream.
file(REMOVE "${WORK}/quiet.wav")
execute_process(COMMAND ${EMULATOR} "${PLUGHOST}" process "${PLUGIN}" mono_pcm16.wav quiet.wav --quiet --tail 0
  WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE exit OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT exit EQUAL 0 OR NOT out STREQUAL "" OR NOT err STREQUAL "" OR NOT EXISTS "${WORK}/quiet.wav")
  message(SEND_ERROR "--quiet: exit ${exit}, stdout '${out}', stderr '${err}'")
endif()
