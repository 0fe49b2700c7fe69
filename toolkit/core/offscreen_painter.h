// OffscreenPainter: a painter on a memory surface of its own, filled with
// a background colour when made. Controls compose their picture here (track,
// then handle) and copy it to the screen in one blit, so a moving handle
// never flickers.
#pragma once

#include "toolkit/core/painter.h"

class OffscreenPainter : public Painter {
public:
    OffscreenPainter(PanelWindow* panel, std::int32_t width, std::int32_t height, PaintColour background);
    ~OffscreenPainter() override;

    // The destination's size of the surface from the source point, to the
    // destination's top-left corner.
    void copyTo(Painter& destination, const PixelRect& rect, PixelPoint source);

    std::int32_t width() const { return surfaceWidth; }
    std::int32_t height() const { return surfaceHeight; }
    PaintColour background() const { return backgroundColour; }

private:
    bool ownsSurface = false;
    std::int32_t surfaceHeight;
    std::int32_t surfaceWidth;
    PaintColour backgroundColour;
};
