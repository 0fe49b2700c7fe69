#include "toolkit/controls/digit_display.h"

#include "toolkit/core/skin_bitmap.h"

DigitDisplay::DigitDisplay(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag, float startValue,
                           std::int32_t count, const std::int32_t* xs, const std::int32_t* ys, std::int32_t width,
                           std::int32_t height, SkinBitmap* digitBitmap)
    : Control(rect, owner, controlTag),
      digitCount(count < 0 ? 0 : (count > MaxDigits ? MaxDigits : count)),
      digitWidth(width),
      digitHeight(height),
      digits(digitBitmap)
{
    for (std::int32_t i = 0; i < digitCount; ++i) {
        x[i] = xs[i];
        y[i] = ys[i];
    }
    std::int32_t largest = 1;
    for (std::int32_t i = 0; i < digitCount; ++i)
        largest *= 10;
    value = startValue;
    minimum = 0.0f;
    maximum = static_cast<float>(largest - 1);
    if (digits != nullptr)
        digits->retain();
}

DigitDisplay::~DigitDisplay()
{
    if (digits != nullptr)
        digits->release();
}

float DigitDisplay::normalisedValue() const
{
    float share = maximum != 0.0f ? value / maximum : 0.0f;
    if (share < 0.0f)
        share = 0.0f;
    if (share > 1.0f)
        share = 1.0f;
    return share;
}

std::int32_t DigitDisplay::shownDigits(std::int32_t (&shown)[MaxDigits]) const
{
    const auto low = static_cast<std::int32_t>(minimum);
    const auto high = static_cast<std::int32_t>(maximum);
    auto number = static_cast<std::int32_t>(value);
    if (number < low)
        number = low;
    if (number > high)
        number = high;
    std::int32_t divisor = (high + 1) / 10;
    for (std::int32_t i = 0; i < digitCount; ++i) {
        std::int32_t digit = divisor > 0 ? (number / divisor) % 10 : 0;
        shown[i] = digit > 9 ? 9 : (digit < 0 ? 0 : digit);
        divisor /= 10;
    }
    return digitCount;
}

void DigitDisplay::draw(Painter& painter)
{
    std::int32_t shown[MaxDigits];
    const std::int32_t count = shownDigits(shown);
    if (digits != nullptr)
        for (std::int32_t i = 0; i < count; ++i)
            digits->draw(painter, {x[i], y[i], x[i] + digitWidth, y[i] + digitHeight}, {0, shown[i] * digitHeight});
    lastDrawnValue = value;
}
