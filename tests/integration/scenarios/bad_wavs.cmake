# WAV files plughost must refuse: one clear line, exit code 1, and no
# output file.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

foreach(case
    "missing.wav|no such file or not readable"
    "not_a_wav.wav|not a RIFF/WAVE file"
    "truncated_header.wav|truncated 'fmt ' chunk (16 bytes declared, 0 present)"
    "truncated_data.wav|truncated 'data' chunk (6000 bytes declared, 56 present)"
    "pcm8.wav|unsupported sample format: 8-bit PCM"
    "zero_length.wav|not a RIFF/WAVE file"
    "oversized_header.wav|truncated 'fmt ' chunk (4294967295 bytes declared, 6024 present)"
    "huge_channel_count.wav|too many channels (65535)"
    "wrong_format.wav|unsupported sample format: format tag 2")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 file)
  list(GET case 1 reason)
  check_plughost(ARGS process "${PLUGIN}" ${file} refused.wav EXIT 1 OUTPUT refused.wav
    STDERR "plughost: cannot read '${file}': ${reason}")
endforeach()
