#include "tools/plughost/float_text.h"

#include <charconv>

std::string floatText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
