# ZOVaMono through plughost process: the fold of a stereo file, and of a
# mono file whose missing second input is silence.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

check_plughost(ARGS process "${PLUGIN}" stereo_float.wav mono_fold.wav
  EXIT 0 OUTPUT mono_fold.wav SAME_AS expected_mono_fold.wav
  SHA256 905841a0bfef3c9e1e6d560cda2ff4747459f2e7521aea080298336651f69a86)
check_plughost(ARGS process "${PLUGIN}" mono_pcm16.wav mono_from_mono.wav --program 0 --param 0=0.5
  EXIT 0 OUTPUT mono_from_mono.wav SAME_AS expected_mono_from_mono_0.5.wav)
