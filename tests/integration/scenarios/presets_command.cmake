# plughost presets: the input through every MiralteaVerb program, each into
# OUTDIR/NN-name.wav with a file-safe name, one line per program; each file
# is what process --program N makes.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

set(out "${WORK}/presets_out")
file(REMOVE_RECURSE "${out}")
set(files
  00-Inicial 01-Snare 02-Sala_Pequena 03-Sala_Mediana_1 04-Sala_Mediana_2 05-Catedral 06-Club_1 07-Club_2
  08-Hall_1 09-Hall_2 10-Bajo_Consumo_1 11-Bajo_Consumo_2 12-Inicial_Insert 13-Snare_Insert
  14-Sala_Pequena_Insert 15-Sala_Mediana_1_Insert 16-Sala_Mediana_2_Insert 17-Catedral_Insert 18-Club_1_Insert
  19-Club_2_Insert 20-Hall_1_Insert 21-Hall_2_Insert 22-Bajo_Consumo_1_Insert 23-Bajo_Consumo_2_Insert
  24-Exterior_Insert)
set(lines
  "\\[ 1/25\\] 00-Inicial\\.wav  \"Inicial\": [0-9]+ frames, .* realtime"
  "\\[ 3/25\\] 02-Sala_Pequena\\.wav  \"Sala Pequeña\": [0-9]+ frames, .* realtime"
  "\\[14/25\\] 13-Snare_Insert\\.wav  \"Snare !  \\(Insert\\)\": [0-9]+ frames, .* realtime"
  "\\[15/25\\] 14-Sala_Pequena_Insert\\.wav  \"Sala Pequeña  \\(Insert\\)\": [0-9]+ frames, .* realtime")
summary_pattern(catedral "[ 6/25] 05-Catedral.wav  \"Catedral\": 473195 frames, 10.730 s (tail 9.730 s), 2 channels at 44100 Hz, peak -4.12 dBFS")
check_plughost(ARGS presets "${PLUGIN}" bursts_pcm16.wav presets_out EXIT 0 STDOUT_MATCHES ${lines} "${catedral}")

file(GLOB written RELATIVE "${out}" "${out}/*")
list(SORT written)
set(expected)
foreach(name IN LISTS files)
  list(APPEND expected "${name}.wav")
endforeach()
if(NOT written STREQUAL expected)
  message(SEND_ERROR "presets wrote:\n  ${written}\nexpected:\n  ${expected}")
endif()
foreach(program 2 14 24)
  list(GET files ${program} name)
  check_plughost(ARGS process "${PLUGIN}" bursts_pcm16.wav preset_${program}_tail.wav --program ${program}
    EXIT 0 OUTPUT preset_${program}_tail.wav SAME_AS "presets_out/${name}.wav")
endforeach()

# Failures: one line, and nothing written.
file(WRITE "${WORK}/not_a_folder" "")
check_plughost(ARGS presets "${PLUGIN}" bursts_pcm16.wav not_a_folder EXIT 1 STDERR
  "plughost: cannot write into 'not_a_folder': not a folder")
file(REMOVE_RECURSE "${WORK}/presets_never")
check_plughost(ARGS presets "${PLUGIN}" missing.wav presets_never EXIT 1 STDERR
  "plughost: cannot read 'missing.wav': no such file or not readable")
if(EXISTS "${WORK}/presets_never")
  message(SEND_ERROR "a failed presets run made its folder")
endif()
