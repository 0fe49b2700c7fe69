// WAV files in and out: 16- and 24-bit PCM and 32-bit float, any number of
// channels, in the plain or the extensible format. The audio is held as
// interleaved floats, PCM scaled to -1.0 .. 1.0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class SampleFormat { Pcm16, Pcm24, Float32 };

struct WavAudio {
    int channels = 0;
    std::uint32_t sampleRate = 0;
    SampleFormat format = SampleFormat::Float32; // what the file held
    std::vector<float> samples;                  // frames × channels, interleaved

    std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
};

// Both throw HostError: decodeWav with the reason alone ("not a RIFF/WAVE
// file"), readWavFile with the path in front.
WavAudio decodeWav(const std::vector<unsigned char>& bytes);
WavAudio readWavFile(const std::string& path);

std::vector<unsigned char> encodeWav(const WavAudio& audio, SampleFormat format);
