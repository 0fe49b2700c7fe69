// PaintColour: red, green, blue and a spare byte, in that order. The spare
// byte rides along but never makes two colours differ. The named colours are
// module-wide constants; the transparency key is white, so the pixels of a
// skin bitmap that are exactly white let the background through.
#pragma once

#include <cstdint>

struct PaintColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t spare = 0;

    constexpr PaintColour() = default;
    constexpr PaintColour(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t s = 0)
        : red(r), green(g), blue(b), spare(s)
    {
    }

    constexpr bool differsFrom(const PaintColour& other) const
    {
        return red != other.red || green != other.green || blue != other.blue;
    }
    constexpr bool operator==(const PaintColour& other) const { return !differsFrom(other); }
    constexpr bool operator!=(const PaintColour& other) const { return differsFrom(other); }
};

static_assert(sizeof(PaintColour) == 4, "a colour is four bytes");

extern const PaintColour colourWhite;
extern const PaintColour colourBlack;
extern const PaintColour colourGrey;
extern const PaintColour colourRed;
extern const PaintColour colourGreen;
extern const PaintColour colourBlue;
extern const PaintColour colourYellow;
extern const PaintColour colourMagenta;
extern const PaintColour colourCyan;
extern const PaintColour transparencyKey;
