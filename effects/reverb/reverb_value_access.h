// Reading and writing one parameter of a ReverbValues by its number, with
// the native range the panel offers for it.
#pragma once

#include "effects/reverb/reverb_values.h"

struct NativeRange {
    std::int32_t lowest;
    std::int32_t highest;
};

// The range of native values of a parameter (0..1 for the two switches).
NativeRange nativeRange(std::int32_t index);

// The stored value of parameter index, or 0 for an unknown index.
std::uint32_t valueOf(const ReverbValues& values, std::int32_t index);

// Stores value (already within its range) into the field of parameter index.
void storeValue(ReverbValues& values, std::int32_t index, std::uint32_t value);
