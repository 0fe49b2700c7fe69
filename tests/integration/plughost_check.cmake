# The one check behind every plughost scenario (cmake -P scripts in
# scenarios/). The test sets PLUGHOST, EMULATOR (empty natively, Wine for the
# win64 build), WORK (the folder holding the test files; plughost runs there)
# and TARGET_WINDOWS.
#
# check_plughost(ARGS arg... EXIT code
#                [STDOUT line...]   each must appear as a whole output line
#                [STDOUT_MATCHES regex...]  each must match a whole output line
#                [STDERR line...]   the whole of stderr; empty when not given
#                [OUTPUT file [SAME_AS file] [SHA256 hash] [CHANNELS n]])
# A failing run (EXIT not 0) must leave neither OUTPUT nor its temporary file.
# Every mismatch is reported; the script fails at the end.
function(check_plughost)
  cmake_parse_arguments(C "" "EXIT;OUTPUT;SAME_AS;SHA256;CHANNELS" "ARGS;STDOUT;STDOUT_MATCHES;STDERR" ${ARGN})
  if(C_OUTPUT)
    file(REMOVE "${WORK}/${C_OUTPUT}")
  endif()
  execute_process(COMMAND ${EMULATOR} "${PLUGHOST}" ${C_ARGS}
    WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE exit OUTPUT_VARIABLE out ERROR_VARIABLE err)

  set(failures)
  if(NOT exit STREQUAL C_EXIT)
    list(APPEND failures "exit code ${exit}, expected ${C_EXIT}")
  endif()
  foreach(line IN LISTS C_STDOUT)
    string(FIND "\n${out}" "\n${line}\n" at)
    if(at EQUAL -1)
      list(APPEND failures "no output line: ${line}")
    endif()
  endforeach()
  foreach(pattern IN LISTS C_STDOUT_MATCHES)
    if(NOT "\n${out}" MATCHES "\n${pattern}\n")
      list(APPEND failures "no output line matches: ${pattern}")
    endif()
  endforeach()
  set(expected_err "")
  foreach(line IN LISTS C_STDERR)
    string(APPEND expected_err "${line}\n")
  endforeach()
  if(NOT err STREQUAL expected_err)
    list(APPEND failures "stderr differs; expected:\n${expected_err}")
  endif()

  if(C_OUTPUT)
    file(GLOB leftovers "${WORK}/${C_OUTPUT}.tmp-*")
    if(leftovers)
      list(APPEND failures "temporary files left: ${leftovers}")
    endif()
    if(NOT C_EXIT EQUAL 0 AND EXISTS "${WORK}/${C_OUTPUT}")
      list(APPEND failures "a failed run left ${C_OUTPUT}")
    endif()
    if(C_EXIT EQUAL 0 AND NOT EXISTS "${WORK}/${C_OUTPUT}")
      list(APPEND failures "no ${C_OUTPUT} written")
    elseif(C_EXIT EQUAL 0)
      if(C_SAME_AS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${C_OUTPUT}" "${WORK}/${C_SAME_AS}"
          RESULT_VARIABLE different)
        if(different)
          list(APPEND failures "${C_OUTPUT} differs from ${C_SAME_AS}")
        endif()
      endif()
      if(DEFINED C_CHANNELS)
        # The channel count of a WAV file written by plughost: 16 bits at 22.
        file(READ "${WORK}/${C_OUTPUT}" count OFFSET 22 LIMIT 2 HEX)
        string(SUBSTRING "${count}" 0 2 low)
        string(SUBSTRING "${count}" 2 2 high)
        math(EXPR count "0x${high}${low}")
        if(NOT count EQUAL C_CHANNELS)
          list(APPEND failures "${C_OUTPUT} has ${count} channels, expected ${C_CHANNELS}")
        endif()
      endif()
      if(DEFINED C_SHA256)
        file(SHA256 "${WORK}/${C_OUTPUT}" hash)
        if(NOT hash STREQUAL C_SHA256)
          list(APPEND failures "${C_OUTPUT} has SHA-256 ${hash}, expected ${C_SHA256}")
        endif()
      endif()
    endif()
  endif()

  if(failures)
    string(REPLACE ";" " " shown "${C_ARGS}")
    list(JOIN failures "\n  " report)
    message("--- plughost ${shown}\n--- stdout:\n${out}--- stderr:\n${err}---")
    message(SEND_ERROR "plughost ${shown}\n  ${report}")
  endif()
endfunction()

# summary_pattern(VAR text): a STDOUT_MATCHES pattern for a render's summary
# line, "text, took S s, Fx realtime", whatever the time taken.
function(summary_pattern var text)
  string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" escaped "${text}")
  set(${var} "${escaped}, took [0-9]+\\.[0-9][0-9][0-9] s, [0-9]+\\.[0-9]x realtime" PARENT_SCOPE)
endfunction()
