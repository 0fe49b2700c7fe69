// The Corvelan panel's skin: its six bitmaps, drawn as 8-bit palette
// pictures, and the resource script that compiles them into the plug-in.
#pragma once

#include "effects/panner/editor/panner_skin_ids.h"
#include "tools/artwork/bmp_file.h"
#include "tools/artwork/canvas.h"

#include <string>
#include <vector>

struct PannerPicture {
    PannerSkinId id;
    const char* fileName;
    Canvas canvas;
};

// All six pictures in resource-number order.
std::vector<PannerPicture> drawPannerSkin();

// The canvas as a palette picture, colours numbered in order of first
// appearance (row by row from the top); false past 256 colours.
bool toPalettePicture(const Canvas& canvas, PalettePicture& picture);

std::string pannerSkinResourceScript();

// Writes the BMP files and the resource script into folder; false on the
// first file that cannot be written.
bool writePannerSkin(const std::string& folder);

constexpr const char* PannerSkinScriptName = "panner_skin.rc";

// The colours the panel is made of.
namespace panner_colours {
constexpr RgbColour Beige{254, 221, 169};
constexpr RgbColour Dark{38, 34, 44};
constexpr RgbColour White{255, 255, 255};
constexpr RgbColour LightBlue{147, 167, 229};
constexpr RgbColour Orange{246, 168, 44};
constexpr RgbColour Pink{255, 153, 168};
constexpr RgbColour LightGrey{210, 211, 213};
constexpr RgbColour Grey{128, 128, 132};
constexpr RgbColour CardGrey{196, 197, 201};
} // namespace panner_colours
