// The text a value display shows for a value: the display's converter's, or
// the value with two decimals ("%2.2f"). Texts live in 256-byte buffers.
#pragma once

#include <cstdint>

constexpr std::int32_t DisplayTextSize = 256;

// Writes the text for value into a buffer the converter may fill freely.
using ValueToText = void (*)(float value, char* text);
// Writes the text to show for a text field's text.
using TextToText = void (*)(const char* text, char* shown);

void formatValueText(float value, ValueToText convert, char (&text)[DisplayTextSize]);
// Copies at most 255 characters and always terminates; null copies nothing.
void copyDisplayText(char (&destination)[DisplayTextSize], const char* source);
