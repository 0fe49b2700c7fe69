#include "tools/plughost/host_error.h"
#include "tools/plughost/wav_file.h"

#include <doctest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

WavAudio makeAudio(int channels, std::uint32_t rate, std::vector<float> samples)
{
    WavAudio audio;
    audio.channels = channels;
    audio.sampleRate = rate;
    audio.samples = std::move(samples);
    return audio;
}

std::string reasonFor(const Bytes& bytes)
{
    try {
        decodeWav(bytes);
    } catch (const HostError& error) {
        return error.what();
    }
    return "(accepted)";
}

void put16(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    bytes[at] = static_cast<unsigned char>(value);
    bytes[at + 1] = static_cast<unsigned char>(value >> 8);
}

void put32(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    put16(bytes, at, value);
    put16(bytes, at + 2, value >> 16);
}

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

// A two-channel 16-bit file of three frames: the data chunk starts at 44.
Bytes stereoPcm16()
{
    return encodeWav(makeAudio(2, 44100, {0.0f, 0.5f, -0.5f, 0.25f, 1.0f / 32768, -1.0f}), SampleFormat::Pcm16);
}

} // namespace

TEST_CASE("wav_file: every format reads back what was written")
{
    const struct {
        SampleFormat format;
        int channels;
        std::uint32_t rate;
        std::vector<float> samples;
    } cases[] = {
        {SampleFormat::Pcm16, 1, 8000, {0.0f, 0.5f, -1.0f, 32767.0f / 32768, -1.0f / 32768}},
        {SampleFormat::Pcm16, 2, 44100, {0.25f, -0.25f, 0.125f, -0.75f}},
        {SampleFormat::Pcm24, 1, 48000, {1.0f / 8388608, -1.0f, 8388607.0f / 8388608}},
        {SampleFormat::Pcm24, 3, 96000, {0.1015625f, -0.5f, 0.0f, 0.75f, -0.3125f, 0.5f}},
        {SampleFormat::Float32, 1, 44100, {1.5f, -2.25f, 1e-30f, 0.3f, -0.0f}},
        {SampleFormat::Float32, 5, 192000, {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, -0.1f, -0.2f, -0.3f, -0.4f, -0.5f}},
        {SampleFormat::Float32, 2, 44100, {}},
    };
    for (const auto& c : cases) {
        CAPTURE(c.channels);
        const WavAudio written = makeAudio(c.channels, c.rate, c.samples);
        const WavAudio read = decodeWav(encodeWav(written, c.format));
        CHECK(read.format == c.format);
        CHECK(read.channels == c.channels);
        CHECK(read.sampleRate == c.rate);
        CHECK(read.frames() == c.samples.size() / c.channels);
        REQUIRE(read.samples.size() == c.samples.size());
        for (std::size_t i = 0; i < c.samples.size(); ++i) {
            CHECK(read.samples[i] == c.samples[i]);
            CHECK(std::signbit(read.samples[i]) == std::signbit(c.samples[i]));
        }
    }
}

TEST_CASE("wav_file: a float file is a format-3 file with a fact chunk")
{
    const Bytes bytes = encodeWav(makeAudio(1, 44100, {1.0f}), SampleFormat::Float32);
    const Bytes expected = {
        'R', 'I', 'F', 'F', 54, 0, 0, 0, 'W', 'A', 'V', 'E',
        'f', 'm', 't', ' ', 18, 0, 0, 0, 3, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 32, 0, 0, 0,
        'f', 'a', 'c', 't', 4, 0, 0, 0, 1, 0, 0, 0,
        'd', 'a', 't', 'a', 4, 0, 0, 0, 0, 0, 0x80, 0x3F,
    };
    CHECK(bytes == expected);
}

TEST_CASE("wav_file: PCM writing rounds and clips")
{
    const WavAudio read = decodeWav(encodeWav(
        makeAudio(1, 8000, {1.5f, -1.5f, 1.0f, std::numeric_limits<float>::quiet_NaN(), 0.4f / 32768}),
        SampleFormat::Pcm16));
    CHECK(read.samples == std::vector<float>{32767.0f / 32768, -1.0f, 32767.0f / 32768, 0.0f, 0.0f});
}

TEST_CASE("wav_file: other chunks are skipped, odd ones with their pad byte")
{
    Bytes bytes = stereoPcm16();
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    const WavAudio read = decodeWav(bytes);
    CHECK(read.samples == std::vector<float>{0.0f, 0.5f, -0.5f, 0.25f, 1.0f / 32768, -1.0f});
}

TEST_CASE("wav_file: the extensible format reads as its sub-format")
{
    // 24-bit mono, two frames, written the way sox writes 24-bit files.
    const Bytes bytes = {
        'R', 'I', 'F', 'F', 66, 0, 0, 0, 'W', 'A', 'V', 'E',
        'f', 'm', 't', ' ', 40, 0, 0, 0, 0xFE, 0xFF, 1, 0, 0x80, 0xBB, 0, 0, 0x80, 0x32, 2, 0, 3, 0, 24, 0,
        22, 0, 24, 0, 4, 0, 0, 0,
        1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71,
        'd', 'a', 't', 'a', 6, 0, 0, 0, 0, 0, 0x40, 0x00, 0x00, 0xC0,
    };
    const WavAudio read = decodeWav(bytes);
    CHECK(read.format == SampleFormat::Pcm24);
    CHECK(read.channels == 1);
    CHECK(read.sampleRate == 48000);
    CHECK(read.samples == std::vector<float>{0.5f, -0.5f});
}

TEST_CASE("wav_file: a partial last frame is dropped")
{
    Bytes bytes = stereoPcm16();
    put32(bytes, 40, 11);
    bytes.resize(44 + 11);
    CHECK(decodeWav(bytes).frames() == 2);
}

TEST_CASE("wav_file: files it cannot read are refused with the reason")
{
    const auto edited = [](auto edit) {
        Bytes bytes = stereoPcm16();
        edit(bytes);
        return bytes;
    };
    const struct {
        const char* what;
        Bytes bytes;
        const char* reason;
    } cases[] = {
        {"empty", {}, "not a RIFF/WAVE file"},
        {"text", bytesOf("hello, this is not a WAV file"), "not a RIFF/WAVE file"},
        {"RIFX", edited([](Bytes& b) { b[3] = 'X'; }), "not a RIFF/WAVE file"},
        {"AVI", edited([](Bytes& b) { std::memcpy(&b[8], "AVI ", 4); }), "not a RIFF/WAVE file"},
        {"header cut", edited([](Bytes& b) { b.resize(20); }),
         "truncated 'fmt ' chunk (16 bytes declared, 0 present)"},
        {"data cut", edited([](Bytes& b) { b.resize(50); }),
         "truncated 'data' chunk (12 bytes declared, 6 present)"},
        {"no fmt", edited([](Bytes& b) { b[15] = 'x'; }), "no 'fmt ' chunk"},
        {"no data", edited([](Bytes& b) { b[36] = 'D'; }), "no 'data' chunk"},
        {"only the header", edited([](Bytes& b) { b.resize(12); }), "no 'fmt ' chunk"},
        {"short fmt", edited([](Bytes& b) {
             put32(b, 16, 14);
             b.erase(b.begin() + 34, b.begin() + 36);
         }),
         "'fmt ' chunk too short"},
        {"zero channels", edited([](Bytes& b) { put16(b, 22, 0); }), "no channels"},
        {"absurd channels", edited([](Bytes& b) { put16(b, 22, 2000); }), "too many channels (2000)"},
        {"zero rate", edited([](Bytes& b) { put32(b, 24, 0); }), "implausible sample rate (0 Hz)"},
        {"absurd rate", edited([](Bytes& b) { put32(b, 24, 0xFFFFFFFF); }),
         "implausible sample rate (4294967295 Hz)"},
        {"absurd data size", edited([](Bytes& b) { put32(b, 40, 0xFFFFFFF0); }),
         "truncated 'data' chunk (4294967280 bytes declared, 12 present)"},
        {"absurd fmt size", edited([](Bytes& b) { put32(b, 16, 0x7FFFFFFF); }),
         "truncated 'fmt ' chunk (2147483647 bytes declared, 36 present)"},
        {"block alignment", edited([](Bytes& b) { put16(b, 32, 3); }),
         "block alignment 3 does not match 2 channels of 2 bytes"},
        {"8-bit", edited([](Bytes& b) { put16(b, 32, 2); put16(b, 34, 8); }), "unsupported sample format: 8-bit PCM"},
        {"32-bit PCM", edited([](Bytes& b) { put16(b, 32, 8); put16(b, 34, 32); }),
         "unsupported sample format: 32-bit PCM"},
        {"64-bit float", edited([](Bytes& b) { put16(b, 20, 3); put16(b, 32, 16); put16(b, 34, 64); }),
         "unsupported sample format: 64-bit float"},
        {"ADPCM", edited([](Bytes& b) { put16(b, 20, 2); }), "unsupported sample format: format tag 2"},
        {"short extensible", edited([](Bytes& b) { put16(b, 20, 0xFFFE); }), "extensible 'fmt ' chunk too short"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.what);
        CHECK(reasonFor(c.bytes) == c.reason);
    }
}

TEST_CASE("wav_file: reading names the file")
{
    std::string message;
    try {
        readWavFile("no_such_file.wav");
    } catch (const HostError& error) {
        message = error.what();
    }
    CHECK(message == "cannot read 'no_such_file.wav': no such file or not readable");
}
