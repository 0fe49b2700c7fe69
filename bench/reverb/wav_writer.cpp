#include "wav_writer.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// WAV is little-endian whatever the machine.
void put16(std::vector<unsigned char>& out, std::uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

void putTag(std::vector<unsigned char>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

bool writeFloatWav(const std::string& path, const float* left, const float* right, std::size_t frames,
                   int sampleRate)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames * 2 * 4);
    std::vector<unsigned char> file;
    file.reserve(58 + dataBytes);
    putTag(file, "RIFF");
    put32(file, 50 + dataBytes);
    putTag(file, "WAVE");
    putTag(file, "fmt ");
    put32(file, 18);
    put16(file, 3);  // IEEE float
    put16(file, 2);
    put32(file, static_cast<std::uint32_t>(sampleRate));
    put32(file, static_cast<std::uint32_t>(sampleRate) * 8);
    put16(file, 8);   // bytes per frame
    put16(file, 32);  // bits per sample
    put16(file, 0);   // no extension
    putTag(file, "fact");
    put32(file, 4);
    put32(file, static_cast<std::uint32_t>(frames));
    putTag(file, "data");
    put32(file, dataBytes);
    for (std::size_t n = 0; n < frames; ++n)
        for (const float x : {left[n], right[n]}) {
            std::uint32_t bits;
            std::memcpy(&bits, &x, 4);
            put32(file, bits);
        }

    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && written;
}
