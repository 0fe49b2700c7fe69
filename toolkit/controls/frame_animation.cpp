#include "toolkit/controls/frame_animation.h"

#include "toolkit/core/skin_bitmap.h"

FrameAnimation::FrameAnimation(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag,
                               std::int32_t frames, std::int32_t height, SkinBitmap* strip, PixelPoint stripOffset)
    : Control(rect, owner, controlTag),
      frameCount(frames),
      frameHeight(height),
      filmstrip(strip),
      offset(stripOffset),
      totalHeight(frames * height)
{
    if (filmstrip != nullptr)
        filmstrip->retain();
}

FrameAnimation::~FrameAnimation()
{
    if (filmstrip != nullptr)
        filmstrip->release();
}

void FrameAnimation::start()
{
    running = true;
}

void FrameAnimation::stop()
{
    running = false;
}

void FrameAnimation::nextFrame()
{
    value += static_cast<float>(frameHeight);
    if (!(value < static_cast<float>(totalHeight - frameHeight)))
        value = 0.0f;
}

void FrameAnimation::previousFrame()
{
    value -= static_cast<float>(frameHeight);
    if (value < 0.0f)
        value = static_cast<float>(totalHeight - frameHeight - 1);
}

void FrameAnimation::draw(Painter& painter)
{
    if (running && filmstrip != nullptr)
        filmstrip->draw(painter, rectangle, {offset.x, static_cast<std::int32_t>(value) + offset.y});
    lastDrawnValue = value;
}

void FrameAnimation::onMouseDown(Painter& painter, PixelPoint&)
{
    if (enabled == 0)
        return;
    value = 0.0f;
    if (running) {
        draw(painter);
        stop();
        return;
    }
    start();
    // Nothing was shown while stopped: the first frame must be drawn even
    // though the value may be the one last drawn.
    lastDrawnValue = value - 1.0f;
    if (listener != nullptr)
        listener->valueChanged(painter, this);
}
