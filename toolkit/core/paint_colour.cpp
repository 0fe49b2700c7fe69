#include "toolkit/core/paint_colour.h"

const PaintColour colourWhite{255, 255, 255};
const PaintColour colourBlack{0, 0, 0};
const PaintColour colourGrey{127, 127, 127};
const PaintColour colourRed{255, 0, 0};
const PaintColour colourGreen{0, 255, 0};
const PaintColour colourBlue{0, 0, 255};
const PaintColour colourYellow{255, 255, 0};
const PaintColour colourMagenta{255, 0, 255};
const PaintColour colourCyan{0, 255, 255};
const PaintColour transparencyKey{255, 255, 255};
