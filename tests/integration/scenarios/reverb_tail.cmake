# MiralteaVerb rings out after its input: by default until its output has
# stayed below -90 dBFS for 100 ms (the quiet end dropped), or for exactly
# the seconds asked. Lengths are the same in every build.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

summary_pattern(line
  "wrote tail.wav: 473195 frames, 10.730 s (tail 9.730 s), 2 channels at 44100 Hz, peak -4.12 dBFS")
check_plughost(ARGS process "${PLUGIN}" bursts_pcm16.wav tail.wav --program 5
  EXIT 0 OUTPUT tail.wav CHANNELS 2 STDOUT_MATCHES "${line}")
summary_pattern(line "wrote tail.wav: 45713 frames, 1.037 s (tail 0.037 s), 2 channels at 44100 Hz, peak -5.49 dBFS")
check_plughost(ARGS process "${PLUGIN}" bursts_pcm16.wav tail.wav --program 1
  EXIT 0 OUTPUT tail.wav STDOUT_MATCHES "${line}")
summary_pattern(line "wrote tail.wav: 66150 frames, 1.500 s (tail 0.500 s), 2 channels at 44100 Hz, peak -4.12 dBFS")
check_plughost(ARGS process "${PLUGIN}" bursts_pcm16.wav tail.wav --program 5 --tail 0.5 --block 100
  EXIT 0 OUTPUT tail.wav STDOUT_MATCHES "${line}")
summary_pattern(line "wrote tail.wav: 44100 frames, 1.000 s (tail 0.000 s), 2 channels at 44100 Hz, peak -4.12 dBFS")
check_plughost(ARGS process "${PLUGIN}" bursts_pcm16.wav tail.wav --program 5 --tail 0
  EXIT 0 OUTPUT tail.wav SHA256 48dbedc0949de434d82bc73593370f61cf19b3b89d93917b708b82175fe5c923
  STDOUT_MATCHES "${line}")
