#include "toolkit/controls/fader_travel.h"

HandleSpan FaderTravel::span(float fraction, std::int32_t offset) const
{
    std::int32_t leading = static_cast<std::int32_t>(fraction * static_cast<float>(range())) + offset;
    if (leading < lowerLimit())
        leading = lowerLimit();
    std::int32_t trailing = leading + handleLength;
    if (trailing > upperLimit())
        trailing = upperLimit();
    return {leading, trailing};
}

float FaderTravel::dragValue(std::int32_t cursor, std::int32_t grip, bool reversed, bool fine, float reference) const
{
    // A fader without travel has nothing to drag.
    if (range() == 0)
        return reference;
    float value = static_cast<float>(cursor - minPos - grip) / static_cast<float>(range());
    if (reversed)
        value = 1.0f - value;
    if (fine)
        value = reference + (value - reference) / 10.0f;
    if (value < 0.0f)
        value = 0.0f;
    else if (value > 1.0f)
        value = 1.0f;
    return value;
}
