// Writes a stereo 32-bit float WAV file (format 3, IEEE float).
#pragma once

#include <cstddef>
#include <string>

bool writeFloatWav(const std::string& path, const float* left, const float* right, std::size_t frames,
                   int sampleRate);
