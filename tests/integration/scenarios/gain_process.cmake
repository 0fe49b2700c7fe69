# ZOVaGain through plughost process, compared sample for sample with what the
# gain defines, for each input format plughost reads. The pinned hash is the
# same in every build: Linux and Windows give identical bytes.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

check_plughost(ARGS process "${PLUGIN}" stereo_float.wav gain_left_half.wav --param 0=0.5
  EXIT 0 OUTPUT gain_left_half.wav SAME_AS expected_gain_left_half.wav
  SHA256 6689f06dd6e84877d0ff8ec83a497d21b29236bdf038ba05b9bb64852119daab)
check_plughost(ARGS process "${PLUGIN}" stereo_pcm16.wav gain_pcm16.wav --param 1=0.3
  EXIT 0 OUTPUT gain_pcm16.wav SAME_AS expected_gain_pcm16_right_0.3.wav)
# Adding onto zeroed outputs gives the same samples, in blocks of any size.
check_plughost(ARGS process "${PLUGIN}" stereo_pcm24.wav gain_pcm24.wav
    --param 0=0.3 --param=1=2 --adding --block 100
  EXIT 0 OUTPUT gain_pcm24.wav SAME_AS expected_gain_pcm24_0.3_2.wav)
# A third channel has no input to go to.
check_plughost(ARGS process "${PLUGIN}" three_channels_float.wav gain_three_channels.wav --block=7
  EXIT 0 OUTPUT gain_three_channels.wav SAME_AS expected_gain_three_channels.wav CHANNELS 2)
