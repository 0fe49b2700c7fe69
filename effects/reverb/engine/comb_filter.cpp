#include "effects/reverb/engine/comb_filter.h"

#include "effects/reverb/engine/float_bits.h"

#include <algorithm>

void CombFilter::attach(float* storage, std::int32_t lengthInSamples)
{
    buffer = storage;
    length = lengthInSamples;
    index = 0;
}

void CombFilter::setDamping(float damping)
{
    dampingWeight1 = damping;
    dampingWeight2 = 1.0f - damping;
}

void CombFilter::clearBuffer()
{
    std::fill(buffer, buffer + length, 0.0f);
}

float CombFilter::process(float input)
{
    const float out = flushDenormal(buffer[index]);
    filterStore = flushDenormal(out * dampingWeight2 + filterStore * dampingWeight1);
    buffer[index] = input + filterStore * feedback;
    if (++index >= length)
        index = 0;
    return out;
}
