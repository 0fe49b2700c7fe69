// The panner panel's BITMAP resources, by number. The artwork generator
// draws them and the resource script compiles them into the Windows DLLs.
#pragma once

#include <cstdint>

enum PannerSkinId : std::int32_t {
    PanelBackgroundId = 128, // 514 x 150
    PanTrackId = 129,        // 400 x 18: ten numbered cells, the outputs
    PanHandleId = 130,       // 10 x 12
    GainTrackId = 131,       // 80 x 14
    GainHandleId = 132,      // 10 x 14
    AboutPictureId = 133,    // 220 x 120
};
