#include "tools/plughost/wav_file.h"

#include "tools/plughost/host_error.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr std::uint16_t PcmTag = 1;
constexpr std::uint16_t FloatTag = 3;
constexpr std::uint16_t ExtensibleTag = 0xFFFE;
constexpr int MaxChannels = 1024;
constexpr std::uint32_t MaxSampleRate = 10000000;

// The fixed tail of the extensible format's sub-format GUID; its first two
// bytes are the plain format tag.
const unsigned char SubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                         0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint16_t read16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t read32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool hasId(const unsigned char* p, const char* id)
{
    return std::memcmp(p, id, 4) == 0;
}

struct FormatChunk {
    std::uint16_t tag = 0;
    int channels = 0;
    std::uint32_t sampleRate = 0;
    int blockAlign = 0;
    int bits = 0;
};

FormatChunk parseFormat(const unsigned char* body, std::uint32_t size)
{
    if (size < 16)
        throw HostError("'fmt ' chunk too short");
    FormatChunk format;
    format.tag = read16(body);
    format.channels = read16(body + 2);
    format.sampleRate = read32(body + 4);
    format.blockAlign = read16(body + 12);
    format.bits = read16(body + 14);
    if (format.tag == ExtensibleTag) {
        if (size < 40)
            throw HostError("extensible 'fmt ' chunk too short");
        if (std::memcmp(body + 26, SubFormatTail, sizeof SubFormatTail) != 0)
            throw HostError("unsupported extensible sub-format");
        format.tag = read16(body + 24);
    }
    return format;
}

SampleFormat sampleFormatOf(const FormatChunk& format)
{
    if (format.tag == PcmTag && format.bits == 16)
        return SampleFormat::Pcm16;
    if (format.tag == PcmTag && format.bits == 24)
        return SampleFormat::Pcm24;
    if (format.tag == FloatTag && format.bits == 32)
        return SampleFormat::Float32;
    if (format.tag == PcmTag)
        throw HostError("unsupported sample format: " + std::to_string(format.bits) + "-bit PCM");
    if (format.tag == FloatTag)
        throw HostError("unsupported sample format: " + std::to_string(format.bits) + "-bit float");
    throw HostError("unsupported sample format: format tag " + std::to_string(format.tag));
}

int bytesPerSample(SampleFormat format)
{
    switch (format) {
    case SampleFormat::Pcm16:
        return 2;
    case SampleFormat::Pcm24:
        return 3;
    case SampleFormat::Float32:
        return 4;
    }
    return 4;
}

float decodeSample(const unsigned char* p, SampleFormat format)
{
    switch (format) {
    case SampleFormat::Pcm16:
        return static_cast<std::int16_t>(read16(p)) / 32768.0f;
    case SampleFormat::Pcm24: {
        const std::uint32_t raw = p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
        const std::int32_t value = (raw & 0x800000u) ? static_cast<std::int32_t>(raw) - 0x1000000
                                                      : static_cast<std::int32_t>(raw);
        return static_cast<float>(value) / 8388608.0f;
    }
    case SampleFormat::Float32: {
        const std::uint32_t bits = read32(p);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    }
    return 0.0f;
}

std::int32_t quantise(float value, double scale)
{
    if (std::isnan(value))
        return 0;
    const double scaled = std::nearbyint(static_cast<double>(value) * scale);
    return static_cast<std::int32_t>(std::clamp(scaled, -scale, scale - 1.0));
}

void append16(std::vector<unsigned char>& out, std::uint32_t value)
{
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void append24(std::vector<unsigned char>& out, std::uint32_t value)
{
    append16(out, value);
    out.push_back(static_cast<unsigned char>(value >> 16));
}

void append32(std::vector<unsigned char>& out, std::uint32_t value)
{
    append16(out, value);
    append16(out, value >> 16);
}

void appendId(std::vector<unsigned char>& out, const char* id)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(id[i]));
}

void encodeSample(std::vector<unsigned char>& out, float value, SampleFormat format)
{
    switch (format) {
    case SampleFormat::Pcm16:
        append16(out, static_cast<std::uint32_t>(quantise(value, 32768.0)));
        break;
    case SampleFormat::Pcm24:
        append24(out, static_cast<std::uint32_t>(quantise(value, 8388608.0)));
        break;
    case SampleFormat::Float32: {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        append32(out, bits);
        break;
    }
    }
}

} // namespace

WavAudio decodeWav(const std::vector<unsigned char>& bytes)
{
    if (bytes.size() < 12 || !hasId(bytes.data(), "RIFF") || !hasId(bytes.data() + 8, "WAVE"))
        throw HostError("not a RIFF/WAVE file");

    // Chunks are walked to the end of the file rather than to the RIFF size,
    // which streaming writers often leave wrong.
    const unsigned char* format = nullptr;
    std::uint32_t formatSize = 0;
    const unsigned char* data = nullptr;
    std::uint32_t dataSize = 0;
    std::size_t offset = 12;
    while (bytes.size() - offset >= 8) {
        const unsigned char* chunk = bytes.data() + offset;
        const std::uint32_t size = read32(chunk + 4);
        const std::size_t available = bytes.size() - offset - 8;
        if (size > available) {
            const std::string id(reinterpret_cast<const char*>(chunk), 4);
            throw HostError("truncated '" + id + "' chunk (" + std::to_string(size) + " bytes declared, " +
                            std::to_string(available) + " present)");
        }
        if (hasId(chunk, "fmt ") && format == nullptr) {
            format = chunk + 8;
            formatSize = size;
        } else if (hasId(chunk, "data") && data == nullptr) {
            data = chunk + 8;
            dataSize = size;
        }
        offset += 8 + static_cast<std::size_t>(size) + (size & 1);
        if (offset > bytes.size())
            break;
    }
    if (format == nullptr)
        throw HostError("no 'fmt ' chunk");
    if (data == nullptr)
        throw HostError("no 'data' chunk");

    const FormatChunk fmt = parseFormat(format, formatSize);
    if (fmt.channels == 0)
        throw HostError("no channels");
    if (fmt.channels > MaxChannels)
        throw HostError("too many channels (" + std::to_string(fmt.channels) + ")");
    if (fmt.sampleRate == 0 || fmt.sampleRate > MaxSampleRate)
        throw HostError("implausible sample rate (" + std::to_string(fmt.sampleRate) + " Hz)");
    const SampleFormat sampleFormat = sampleFormatOf(fmt);
    const int width = bytesPerSample(sampleFormat);
    if (fmt.blockAlign != fmt.channels * width)
        throw HostError("block alignment " + std::to_string(fmt.blockAlign) + " does not match " +
                        std::to_string(fmt.channels) + " channels of " + std::to_string(width) + " bytes");

    WavAudio audio;
    audio.channels = fmt.channels;
    audio.sampleRate = fmt.sampleRate;
    audio.format = sampleFormat;
    // A partial frame at the end of the data is dropped.
    const std::size_t count = dataSize / fmt.blockAlign * fmt.channels;
    audio.samples.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        audio.samples[i] = decodeSample(data + i * width, sampleFormat);
    return audio;
}

WavAudio readWavFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw HostError("cannot read '" + path + "': no such file or not readable");
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        throw HostError("cannot read '" + path + "': read error");
    try {
        return decodeWav(bytes);
    } catch (const HostError& error) {
        throw HostError("cannot read '" + path + "': " + error.what());
    }
}

std::vector<unsigned char> encodeWav(const WavAudio& audio, SampleFormat format)
{
    const int width = bytesPerSample(format);
    const std::uint64_t dataSize = static_cast<std::uint64_t>(audio.frames()) * audio.channels * width;
    const bool isFloat = format == SampleFormat::Float32;
    // Non-PCM formats carry a cbSize field and a 'fact' chunk with the frame count.
    const std::uint32_t formatSize = isFloat ? 18 : 16;
    const std::uint64_t headerSize = 12 + 8 + formatSize + (isFloat ? 12 : 0) + 8;
    const std::uint64_t total = headerSize + dataSize + (dataSize & 1);
    if (total > 0xFFFFFFFFu || audio.channels <= 0 || audio.channels > MaxChannels)
        throw HostError("audio does not fit a WAV file");

    std::vector<unsigned char> out;
    out.reserve(static_cast<std::size_t>(total));
    appendId(out, "RIFF");
    append32(out, static_cast<std::uint32_t>(total - 8));
    appendId(out, "WAVE");
    appendId(out, "fmt ");
    append32(out, formatSize);
    append16(out, isFloat ? FloatTag : PcmTag);
    append16(out, static_cast<std::uint32_t>(audio.channels));
    append32(out, audio.sampleRate);
    append32(out, audio.sampleRate * audio.channels * width);
    append16(out, static_cast<std::uint32_t>(audio.channels * width));
    append16(out, static_cast<std::uint32_t>(width * 8));
    if (isFloat) {
        append16(out, 0);
        appendId(out, "fact");
        append32(out, 4);
        append32(out, static_cast<std::uint32_t>(audio.frames()));
    }
    appendId(out, "data");
    append32(out, static_cast<std::uint32_t>(dataSize));
    const std::size_t count = audio.frames() * audio.channels;
    for (std::size_t i = 0; i < count; ++i)
        encodeSample(out, audio.samples[i], format);
    if (dataSize & 1)
        out.push_back(0);
    return out;
}
