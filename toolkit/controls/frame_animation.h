// FrameAnimation: a filmstrip played by its owner, one nextFrame or
// previousFrame per tick, shown only while running. The value holds the
// source y of the frame shown, a pixel position in the strip. A press
// starts a stopped animation from the first frame, or rewinds and stops a
// running one.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

class FrameAnimation : public Control {
public:
    FrameAnimation(const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                   std::int32_t frameHeight, SkinBitmap* filmstrip, PixelPoint offset);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;

    virtual void start();
    virtual void stop();
    // One frame on, back to the first when that would reach the last frame's start.
    virtual void nextFrame();
    // One frame back, to just above the last frame's start from the first.
    virtual void previousFrame();

    bool isRunning() const { return running; }
    std::int32_t getTotalHeight() const { return totalHeight; }

protected:
    ~FrameAnimation() override;

private:
    std::int32_t frameCount;
    std::int32_t frameHeight;
    SkinBitmap* filmstrip;
    PixelPoint offset;
    bool running = false;
    std::int32_t totalHeight;
};
