// The fixed-width number texts effects show as parameter values: eight
// characters (sign, digits, point, fraction) or an overflow text. The texts
// for overflow and minus infinity differ by framework level, so callers pass
// them in.
#pragma once

#include <cstdint>

// Writes the eight-character form of value, or hugeText when it does not fit.
void formatNumber(float value, char* text, const char* hugeText);

// Writes value right-aligned in seven columns (cut after eight characters),
// or hugeText from 100000000 up.
void formatInteger(std::int32_t value, char* text, const char* hugeText);
