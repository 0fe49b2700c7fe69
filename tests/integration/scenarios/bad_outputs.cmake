# Outputs plughost cannot write: a path through a file, and a full disk (a
# small tmpfs, when this user may mount one; skipped otherwise). One clear
# line, exit code 1, and nothing half-written left behind.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

check_plughost(ARGS process "${PLUGIN}" stereo_pcm16.wav not_a_wav.wav/out.wav EXIT 1
  STDERR "plughost: cannot write 'not_a_wav.wav/out.wav': Not a directory")

set(full "${WORK}/full_disk")
file(MAKE_DIRECTORY "${full}")
execute_process(COMMAND mount -t tmpfs -o size=16k tmpfs "${full}"
  RESULT_VARIABLE mounted OUTPUT_QUIET ERROR_QUIET)
if(NOT mounted EQUAL 0)
  message("SKIPPED: cannot mount a small tmpfs here")
  return()
endif()
execute_process(COMMAND "${PLUGHOST}" process "${PLUGIN}" bursts_pcm16.wav full_disk/out.wav
  WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE exit OUTPUT_QUIET ERROR_VARIABLE err)
file(GLOB left "${full}/*")
execute_process(COMMAND umount "${full}")
set(failures)
if(NOT exit EQUAL 1)
  list(APPEND failures "exit code ${exit}, expected 1")
endif()
if(NOT err STREQUAL "plughost: cannot write 'full_disk/out.wav': write error\n")
  list(APPEND failures "stderr: ${err}")
endif()
if(left)
  list(APPEND failures "left on the full disk: ${left}")
endif()
if(failures)
  message(FATAL_ERROR "full disk: ${failures}")
endif()
