// Bit-level tests on samples. They look at the exponent field only, so the
// results are the same on every target whatever its denormal or NaN modes.
#pragma once

#include <cstdint>
#include <cstring>

constexpr std::uint32_t floatExponentMask = 0x7f800000u;

inline std::uint32_t floatBits(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// Denormals and both zeros (exponent field all zero) become +0.0.
inline float flushDenormal(float x)
{
    return (floatBits(x) & floatExponentMask) == 0 ? 0.0f : x;
}
