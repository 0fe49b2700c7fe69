// DigitDisplay: a whole number shown as digits picked from a bitmap of the
// ten digits stacked vertically, each digit at a position of its own. It
// shows the value held within minimum .. maximum, whose default is the
// largest number that fits. It does not react to the mouse.
#pragma once

#include "toolkit/controls/control.h"

#include <cstdint>

class SkinBitmap;

class DigitDisplay : public Control {
public:
    static constexpr std::int32_t MaxDigits = 7;

    // Positions are in panel coordinates; more than seven digits are cut to seven.
    DigitDisplay(const PixelRect& rect, ControlListener* listener, std::int32_t tag, float startValue,
                 std::int32_t digitCount, const std::int32_t* xs, const std::int32_t* ys, std::int32_t digitWidth,
                 std::int32_t digitHeight, SkinBitmap* digits);

    void draw(Painter& painter) override;

    // The value as a share of the maximum, within 0 .. 1.
    virtual float normalisedValue() const;

    // The digits shown for the value, most significant first; answers how many.
    std::int32_t shownDigits(std::int32_t (&digits)[MaxDigits]) const;
    std::int32_t getDigitCount() const { return digitCount; }

protected:
    ~DigitDisplay() override;

private:
    std::int32_t digitCount;
    std::int32_t x[MaxDigits] = {};
    std::int32_t y[MaxDigits] = {};
    std::int32_t digitWidth;
    std::int32_t digitHeight;
    SkinBitmap* digits;
};
