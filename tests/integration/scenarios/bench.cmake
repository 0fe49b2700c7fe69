# plughost bench on ZOVaGain: the shape of its report (the numbers depend on
# the machine), one row per process entry.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

set(number "[0-9]+\\.[0-9]")
check_plughost(ARGS bench "${PLUGIN}" --block 64 --seconds 0.05 --runs 3 EXIT 0
  STDOUT "bench ${PLUGIN}: 2 in, 2 out, 44100 Hz, blocks of 64, 0.050 s of noise per run, 3 runs per entry"
  STDOUT_MATCHES
    "  entry +ns per frame \\(min / median / max\\) +realtime factor \\(best / median / worst\\)"
    "  overwriting +${number} / ${number} / ${number} +${number}x / ${number}x / ${number}x"
    "  adding +${number} / ${number} / ${number} +${number}x / ${number}x / ${number}x")
check_plughost(ARGS bench missing.so EXIT 1 STDERR "plughost: cannot load 'missing.so': no such file")
