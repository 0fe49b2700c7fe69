// BitmapFader: a track bitmap with a handle bitmap that moves along one
// axis, and the user drags the handle. HorizontalFader and VerticalFader
// are this class on their axis. Track and handle are composed on an
// offscreen surface of the control's size and copied to the screen at once.
//
// A drag starts only on the handle and follows the cursor until the left
// button is let go; Shift makes it move a tenth as fast from wherever the
// handle is when Shift goes down. Left plus Alt resets to the default.
#pragma once

#include "toolkit/controls/control.h"
#include "toolkit/controls/fader_travel.h"

#include <cstdint>

class SkinBitmap;

// Style bits. Drawing reads only faderStyleLeft and faderStyleTop (without
// its bit a fader draws value 0 at the right or bottom); the mouse reads only
// faderStyleRight and faderStyleBottom. Set exactly one of each pair.
enum : std::int32_t {
    faderStyleLeft = 8,
    faderStyleRight = 16,
    faderStyleTop = 32,
    faderStyleBottom = 64,
};

class BitmapFader : public Control {
public:
    enum class Axis { Horizontal, Vertical };

    BitmapFader(Axis axis, const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t minPos,
                std::int32_t maxPos, SkinBitmap* handle, SkinBitmap* background, PixelPoint backgroundOffset,
                std::int32_t style);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;

    virtual void setTransparentHandle(bool on);
    virtual void setHandleOffset(PixelPoint offset);

    std::int32_t getHandlePosition() const { return handlePosition; }
    std::int32_t getHandleLowerLimit() const { return handleLowerLimit; }
    std::int32_t getHandleUpperLimit() const { return handleUpperLimit; }
    std::int32_t getMinPos() const { return minPos; }
    std::int32_t getMaxPos() const { return maxPos; }
    std::int32_t getStyle() const { return style; }
    PixelPoint getHandleOffset() const { return handleOffset; }
    // The handle as the last draw put it, in panel coordinates: where a press
    // must land to start a drag.
    PixelRect handleHitRect() const;

protected:
    ~BitmapFader() override;

private:
    bool isVertical() const { return axis == Axis::Vertical; }
    FaderTravel travel() const;
    bool drawsReversed() const;
    bool dragsReversed() const;

    Axis axis;
    SkinBitmap* handleBitmap;
    SkinBitmap* backgroundBitmap;
    std::int32_t handleWidth = 0;
    std::int32_t handleHeight = 0;
    PixelPoint backgroundOffset;
    PixelPoint handleOffset;
    std::int32_t minPos;
    std::int32_t maxPos;
    std::int32_t style;
    std::int32_t handlePosition;
    std::uint8_t transparentHandle = 1;
    std::int32_t handleLowerLimit;
    std::int32_t handleUpperLimit;
    std::int32_t controlWidth;
    std::int32_t controlHeight;
};
