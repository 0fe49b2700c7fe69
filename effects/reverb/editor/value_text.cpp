#include "effects/reverb/editor/value_text.h"

#include <cstdio>

std::string numberText(const char* format, float value, const char* unit)
{
    char text[32];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return std::string(text) + unit;
}

std::string panText(const char* format, float value)
{
    if (value < 20.0f)
        return "L " + numberText(format, static_cast<float>((20.0f - value) * 3.2), "");
    if (value > 20.0f)
        return "R " + numberText(format, static_cast<float>((value - 20.0f) * 3.2), "");
    return "C";
}

std::string faderText(float value)
{
    if (value == 0.0f)
        return "mute";
    return numberText("%3.0f", value / 5.0f - 24.0f, " dB");
}
