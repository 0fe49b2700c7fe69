#include "toolkit/controls/value_text.h"

#include <cstdio>
#include <cstring>

void formatValueText(float value, ValueToText convert, char (&text)[DisplayTextSize])
{
    std::memset(text, 0, sizeof text);
    if (convert != nullptr) {
        convert(value, text);
        text[DisplayTextSize - 1] = '\0';
    } else {
        std::snprintf(text, sizeof text, "%2.2f", static_cast<double>(value));
    }
}

void copyDisplayText(char (&destination)[DisplayTextSize], const char* source)
{
    if (source == nullptr)
        return;
    std::strncpy(destination, source, DisplayTextSize - 1);
    destination[DisplayTextSize - 1] = '\0';
}
