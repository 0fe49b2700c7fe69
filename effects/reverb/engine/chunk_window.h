// A delay line seen one chunk at a time. The storage behind every line has
// `maxChunkLength` spare floats past its end: when a chunk runs over the end
// of the line, the start of the line is mirrored there first and copied back
// afterwards, so the chunk is one contiguous run that SIMD code can stream.
#pragma once

#include <algorithm>
#include <cstdint>

constexpr int maxChunkLength = 224;  // a multiple of 8, shorter than every line

// The next `frames` samples of the line, contiguous.
inline float* openChunk(float* buffer, std::int32_t length, std::int32_t index, int frames)
{
    const int pastEnd = index + frames - length;
    if (pastEnd > 0)
        std::copy(buffer, buffer + pastEnd, buffer + length);
    return buffer + index;
}

// Puts mirrored samples back and moves the index on by `frames`.
inline void closeChunk(float* buffer, std::int32_t length, std::int32_t& index, int frames)
{
    const int pastEnd = index + frames - length;
    if (pastEnd > 0)
        std::copy(buffer + length, buffer + length + pastEnd, buffer);
    index += frames;
    if (index >= length)
        index -= length;
}
