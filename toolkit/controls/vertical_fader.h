// VerticalFader: a bitmap fader whose handle moves along y.
#pragma once

#include "toolkit/controls/bitmap_fader.h"

class VerticalFader : public BitmapFader {
public:
    VerticalFader(const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t minPos,
                  std::int32_t maxPos, SkinBitmap* handle, SkinBitmap* background, PixelPoint backgroundOffset,
                  std::int32_t style)
        : BitmapFader(Axis::Vertical, rect, listener, tag, minPos, maxPos, handle, background, backgroundOffset,
                      style)
    {
    }
};
