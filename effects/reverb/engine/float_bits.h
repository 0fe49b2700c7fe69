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

// The largest input magnitude the engine takes: far above any audio, and far
// enough below the float limit that nothing inside the tank can overflow.
constexpr float inputLimit = 1.0e20f;

// NaN and infinities (exponent field all ones) become silence and larger
// magnitudes are held at the limit, so a single bad host sample can neither
// live on in a held tail nor overflow the tank into infinities. Denormals
// (exponent field all zero) become +0.0 too: they are inaudible, and would
// make every multiply of the dry path slow.
inline float tameInput(float x)
{
    const std::uint32_t exponent = floatBits(x) & floatExponentMask;
    if (exponent == floatExponentMask || exponent == 0)
        return 0.0f;
    return x > inputLimit ? inputLimit : (x < -inputLimit ? -inputLimit : x);
}
