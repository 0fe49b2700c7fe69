#include "framework/number_text.h"

#include "framework/host_text.h"

#include <cmath>
#include <cstdio>

namespace {

// Eight characters and a terminator never need more.
constexpr int ScratchSize = 32;

char digitOf(double remaining)
{
    return static_cast<char>('0' + static_cast<int>(std::fmod(remaining, 10.0)));
}

} // namespace

void formatNumber(float value, char* text, const char* hugeText)
{
    if (text == nullptr)
        return;
    double v = value;
    bool negative = false;
    int placed = 0;
    // A value that is not a number has no digits to show.
    if (std::isnan(v)) {
        copyHostText(text, hugeText, ScratchSize - 1);
        return;
    }
    if (v < 0.0) {
        negative = true;
        v = -v;
        placed = 1;
        if (v > 9999999.0) {
            copyHostText(text, hugeText, ScratchSize - 1);
            return;
        }
    } else if (v > 99999999.0) {
        copyHostText(text, hugeText, ScratchSize - 1);
        return;
    }

    // Integer digits from right to left, behind the point.
    char scratch[ScratchSize];
    int start = ScratchSize - 1;
    scratch[start] = '\0';
    scratch[--start] = '.';
    double remaining = std::floor(v);
    scratch[--start] = digitOf(remaining);
    remaining /= 10.0;
    placed += 2;
    while (remaining >= 1.0 && placed < 8) {
        scratch[--start] = digitOf(remaining);
        remaining /= 10.0;
        ++placed;
    }
    if (negative)
        scratch[--start] = '-';
    copyHostText(text, scratch + start, ScratchSize - 1);
    if (placed >= 8)
        return;

    // Fraction digits, also from right to left.
    const int fractionDigits = 8 - placed;
    double m = std::fmod(v, 1.0) * std::pow(10.0, fractionDigits);
    char fraction[ScratchSize];
    fraction[fractionDigits] = '\0';
    for (int i = fractionDigits - 1; i >= 0; --i) {
        if (m <= 0.0) {
            fraction[i] = '0';
        } else {
            fraction[i] = digitOf(m);
            m /= 10.0;
        }
    }
    int end = 0;
    while (text[end] != '\0')
        ++end;
    copyHostText(text + end, fraction, ScratchSize - 1);
}

void formatInteger(std::int32_t value, char* text, const char* hugeText)
{
    if (text == nullptr)
        return;
    if (value >= 100000000) {
        copyHostText(text, hugeText, ScratchSize - 1);
        return;
    }
    char scratch[ScratchSize];
    std::snprintf(scratch, sizeof scratch, "%7d", static_cast<int>(value));
    copyHostText(text, scratch, 8);
}
