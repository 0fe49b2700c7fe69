#include "effects/reverb/engine/allpass_filter.h"

#include "effects/reverb/engine/float_bits.h"

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
