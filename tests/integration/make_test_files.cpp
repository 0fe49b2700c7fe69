// Makes the files plughost's end-to-end tests run on, in the current folder:
// input signals in each format plughost reads, the outputs each scenario
// must produce (computed here the way the effects define them), and broken
// files plughost must refuse. Signals come from an integer generator, so
// every build writes the same bytes.
#include "tools/plughost/output_file.h"
#include "tools/plughost/wav_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

// Not a multiple of any block size the scenarios use.
constexpr std::size_t Frames = 1500;

struct Signal {
    const char* file;
    int channels;
    std::uint32_t sampleRate;
    SampleFormat format;
    std::uint32_t seed;
};

const Signal Signals[] = {
    {"stereo_float.wav", 2, 44100, SampleFormat::Float32, 1},
    {"stereo_pcm16.wav", 2, 44100, SampleFormat::Pcm16, 2},
    {"stereo_pcm24.wav", 2, 48000, SampleFormat::Pcm24, 3},
    {"mono_pcm16.wav", 1, 22050, SampleFormat::Pcm16, 4},
    {"three_channels_float.wav", 3, 96000, SampleFormat::Float32, 5},
};

// Values in -1.0 .. 1.0 at the resolution of the format, so that PCM files
// hold them exactly.
WavAudio makeSignal(const Signal& signal)
{
    const int bits = signal.format == SampleFormat::Pcm16 ? 16 : 24;
    WavAudio audio;
    audio.channels = signal.channels;
    audio.sampleRate = signal.sampleRate;
    audio.format = signal.format;
    std::uint32_t state = signal.seed;
    for (std::size_t i = 0; i < Frames * signal.channels; ++i) {
        state = state * 1664525u + 1013904223u;
        const auto value = static_cast<std::int32_t>(state) >> (32 - bits);
        audio.samples.push_back(static_cast<float>(value) / static_cast<float>(1 << (bits - 1)));
    }
    return audio;
}

// One second of 16-bit stereo: two 40 ms noise bursts, at 0 and 0.5 s, with
// silence after each, long enough for a reverb's tail to sound. Integer
// noise, so every build writes the same bytes.
WavAudio makeBursts()
{
    WavAudio audio;
    audio.channels = 2;
    audio.sampleRate = 44100;
    audio.format = SampleFormat::Pcm16;
    std::uint32_t state = 6;
    for (std::size_t frame = 0; frame < 44100; ++frame) {
        const bool inBurst = frame % 22050 < 1764;
        for (int channel = 0; channel < 2; ++channel) {
            state = state * 1664525u + 1013904223u;
            const auto value = inBurst ? static_cast<std::int32_t>(state) >> 17 : 0; // half scale
            audio.samples.push_back(static_cast<float>(value) / 32768.0f);
        }
    }
    return audio;
}

float inputSample(const WavAudio& input, std::size_t frame, int channel)
{
    return channel < input.channels ? input.samples[frame * input.channels + channel] : 0.0f;
}

WavAudio outputLike(const WavAudio& input, int channels)
{
    WavAudio output;
    output.channels = channels;
    output.sampleRate = input.sampleRate;
    output.samples.resize(input.frames() * channels);
    return output;
}

// ZOVaGain: output 0 = input 0 × left, output 1 = input 1 × right.
WavAudio gainOutput(const WavAudio& input, float left, float right)
{
    WavAudio output = outputLike(input, 2);
    for (std::size_t i = 0; i < input.frames(); ++i) {
        output.samples[i * 2] = inputSample(input, i, 0) * left;
        output.samples[i * 2 + 1] = inputSample(input, i, 1) * right;
    }
    return output;
}

// ZOVaMono: both outputs = (input 1 × gain + input 0 × gain) / 2.
WavAudio monoOutput(const WavAudio& input, float gain)
{
    WavAudio output = outputLike(input, 2);
    for (std::size_t i = 0; i < input.frames(); ++i) {
        const float m = (inputSample(input, i, 1) * gain + inputSample(input, i, 0) * gain) / 2.0f;
        output.samples[i * 2] = m;
        output.samples[i * 2 + 1] = m;
    }
    return output;
}

// The probe plug-in: inputs 0 and 1 through, output 2 = block length / 1000.
WavAudio probeOutput(const WavAudio& input, std::size_t block)
{
    WavAudio output = outputLike(input, 3);
    for (std::size_t i = 0; i < input.frames(); ++i) {
        const std::size_t length = std::min(block, input.frames() - i / block * block);
        output.samples[i * 3] = inputSample(input, i, 0);
        output.samples[i * 3 + 1] = inputSample(input, i, 1);
        output.samples[i * 3 + 2] = static_cast<float>(length) / 1000.0f;
    }
    return output;
}

std::vector<unsigned char> textBytes(const std::string& text)
{
    return std::vector<unsigned char>(text.begin(), text.end());
}

} // namespace

int main()
{
    try {
        std::vector<WavAudio> inputs;
        for (const Signal& signal : Signals) {
            const std::vector<unsigned char> bytes = encodeWav(makeSignal(signal), signal.format);
            writeOutputFile(signal.file, bytes);
            inputs.push_back(decodeWav(bytes));
        }
        writeOutputFile("bursts_pcm16.wav", encodeWav(makeBursts(), SampleFormat::Pcm16));
        const WavAudio& stereoFloat = inputs[0];
        const WavAudio& stereoPcm16 = inputs[1];
        const WavAudio& stereoPcm24 = inputs[2];
        const WavAudio& monoPcm16 = inputs[3];
        const WavAudio& threeChannels = inputs[4];

        const struct {
            const char* file;
            WavAudio audio;
        } expected[] = {
            {"expected_gain_left_half.wav", gainOutput(stereoFloat, 0.5f, 1.0f)},
            {"expected_gain_pcm16_right_0.3.wav", gainOutput(stereoPcm16, 1.0f, 0.3f)},
            {"expected_gain_pcm24_0.3_2.wav", gainOutput(stereoPcm24, 0.3f, 2.0f)},
            {"expected_gain_three_channels.wav", gainOutput(threeChannels, 1.0f, 1.0f)},
            {"expected_mono_fold.wav", monoOutput(stereoFloat, 1.0f)},
            {"expected_mono_from_mono_0.5.wav", monoOutput(monoPcm16, 0.5f)},
            {"expected_probe_stereo_512.wav", probeOutput(stereoFloat, 512)},
            {"expected_probe_mono_1000.wav", probeOutput(monoPcm16, 1000)},
        };
        for (const auto& entry : expected)
            writeOutputFile(entry.file, encodeWav(entry.audio, SampleFormat::Float32));

        const std::vector<unsigned char> pcm16 = encodeWav(stereoPcm16, SampleFormat::Pcm16);
        writeOutputFile("truncated_header.wav", std::vector<unsigned char>(pcm16.begin(), pcm16.begin() + 20));
        writeOutputFile("truncated_data.wav", std::vector<unsigned char>(pcm16.begin(), pcm16.begin() + 100));
        std::vector<unsigned char> eightBit = pcm16;
        eightBit[32] = 2; // block alignment: two channels of one byte
        eightBit[34] = 8; // bits per sample
        writeOutputFile("pcm8.wav", eightBit);
        writeOutputFile("not_a_wav.wav", textBytes("This is a text file, not a WAV file.\n"));
        writeOutputFile("zero_length.wav", {});
        std::vector<unsigned char> oversized = pcm16;
        oversized[16] = oversized[17] = oversized[18] = 0xFF; // 'fmt ' size near 4 GiB
        oversized[19] = 0xFF;
        writeOutputFile("oversized_header.wav", oversized);
        std::vector<unsigned char> manyChannels = pcm16;
        manyChannels[22] = manyChannels[23] = 0xFF; // 65535 channels
        writeOutputFile("huge_channel_count.wav", manyChannels);
        std::vector<unsigned char> adpcm = pcm16;
        adpcm[20] = 2; // format tag: ADPCM
        writeOutputFile("wrong_format.wav", adpcm);
        writeOutputFile("not_a_plugin.so", textBytes("This is a text file, not a plug-in.\n"));
        writeOutputFile("not_a_plugin.dll", textBytes("This is a text file, not a plug-in.\n"));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_test_files: %s\n", error.what());
        return 1;
    }
    return 0;
}
