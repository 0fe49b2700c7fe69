// Two small bitmap fonts defined in code, so that the artwork looks the
// same wherever it is generated: a proportional 5 x 7 face with lower case,
// descenders and the Spanish accented letters (texts are Windows-1252), and
// a 3 x 5 face of digits and signs for the meter scale.
#pragma once

#include "tools/artwork/canvas.h"

#include <string>

enum class FontFace { Label, Tiny };

struct TextStyle {
    FontFace face = FontFace::Label;
    int scale = 1;          // each font pixel becomes scale x scale pixels
    RgbColour colour{255, 255, 255};
    int shadowAlpha = 0;    // a dark copy one pixel down and right, under the text
    int letterSpacing = 1;  // pixels between glyphs, before scaling
};

// Width in pixels of the text in the style, and the height of a capital.
int textWidth(const std::string& text, const TextStyle& style);
int capitalHeight(const TextStyle& style);

// Draws text with its top-left corner (of the capitals) at (x, y).
void drawText(Canvas& canvas, int x, int y, const std::string& text, const TextStyle& style);
// Draws text centred on centreX.
void drawTextCentred(Canvas& canvas, int centreX, int y, const std::string& text, const TextStyle& style);
