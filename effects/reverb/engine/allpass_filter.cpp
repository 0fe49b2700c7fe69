#include "effects/reverb/engine/allpass_filter.h"

#include "effects/reverb/engine/float_bits.h"
#include "effects/reverb/engine/simd_x4.h"

#include <algorithm>

void AllpassFilter::attach(float* storage, std::int32_t lengthInSamples)
{
    buffer = storage;
    length = lengthInSamples;
    index = 0;
}

void AllpassFilter::clearBuffer()
{
    std::fill(buffer, buffer + length, 0.0f);
}

float AllpassFilter::process(float input)
{
    const float delayed = flushDenormal(buffer[index]);
    buffer[index] = delayed * feedback + input;
    if (++index >= length)
        index = 0;
    return delayed - input;
}

void AllpassFilter::processChunk(float* samples, int frames)
{
    using V = X4::V;
    const V gain = X4::splat(feedback);
    while (frames > 0) {
        // Up to the end of the line, then again from its start.
        const int run = std::min(frames, length - index);
        float* line = buffer + index;
        int i = 0;
        for (; i + X4::width <= run; i += X4::width) {
            const V delayed = X4::flush(X4::load(line + i));
            const V input = X4::load(samples + i);
            X4::store(line + i, X4::add(X4::mul(delayed, gain), input));
            X4::store(samples + i, X4::sub(delayed, input));
        }
        for (; i < run; ++i) {
            const float delayed = flushDenormal(line[i]);
            const float input = samples[i];
            line[i] = delayed * feedback + input;
            samples[i] = delayed - input;
        }
        index += run;
        if (index >= length)
            index = 0;
        samples += run;
        frames -= run;
    }
}
