// The MiralteaVerb panel's skin: the 21 bitmaps drawn from the panel
// layout, and the resource script that compiles them into the plug-in.
#pragma once

#include "effects/reverb/editor/skin_ids.h"
#include "tools/artwork/canvas.h"

#include <string>
#include <vector>

struct SkinPicture {
    SkinId id;
    const char* fileName;
    Canvas canvas;
};

// All 21 pictures in resource-number order.
std::vector<SkinPicture> drawReverbSkin();

// The resource script naming every picture by its resource number.
std::string reverbSkinResourceScript();

// Writes the BMP files and the resource script into folder; false on the
// first file that cannot be written.
bool writeReverbSkin(const std::string& folder);

constexpr const char* ReverbSkinScriptName = "reverb_skin.rc";
