# The probe plug-in through plughost process: its outputs show how plughost
# maps channels and splits blocks, and that it calls the adding entry for an
# effect that declares no overwriting one. Parameter changes the effect
# reports back are listed. No tail: the probe's third output never falls
# silent (the tail rule's cap is tested in process_tail).
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

check_plughost(ARGS process "${PLUGIN}" stereo_float.wav probe_stereo.wav --block 512 --param 3=0.25 --tail 0
  EXIT 0 STDOUT [[automation: parameter 3 = 0.25]]
  OUTPUT probe_stereo.wav SAME_AS expected_probe_stereo_512.wav)
check_plughost(ARGS process "${PLUGIN}" mono_pcm16.wav probe_mono.wav --block 1000 --program 1 --tail=0
  EXIT 0 OUTPUT probe_mono.wav SAME_AS expected_probe_mono_1000.wav)
