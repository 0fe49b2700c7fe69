#include "toolkit/controls/level_meter.h"

#include "toolkit/core/skin_bitmap.h"

LevelMeter::LevelMeter(const PixelRect& rect, SkinBitmap* on, SkinBitmap* off, std::int32_t leds,
                       std::int32_t meterStyle)
    : Control(rect, nullptr, 0),
      onBitmap(on),
      offBitmap(off),
      ledCount(leds),
      style(meterStyle),
      onRect(rect),
      offRect(rect)
{
    if (onBitmap != nullptr)
        onBitmap->retain();
    if (offBitmap != nullptr)
        offBitmap->retain();
}

LevelMeter::~LevelMeter()
{
    if (onBitmap != nullptr)
        onBitmap->release();
    if (offBitmap != nullptr)
        offBitmap->release();
}

void LevelMeter::setDecreaseStep(float step)
{
    decreaseStep = step;
}

float LevelMeter::nextLevel() const
{
    float level = value;
    if (level < minimum)
        level = minimum;
    if (level > maximum)
        level = maximum;
    if (level < lastDrawnValue - decreaseStep)
        level = lastDrawnValue - decreaseStep;
    if (level < minimum)
        level = minimum;
    return level;
}

std::int32_t LevelMeter::splitAt(float level) const
{
    if (onBitmap == nullptr || ledCount <= 0)
        return 0;
    if ((style & meterHorizontal) != 0) {
        const auto leds = static_cast<std::int32_t>(static_cast<float>(ledCount) * level + 0.5f);
        return onBitmap->width() * leds / ledCount;
    }
    const auto leds = static_cast<std::int32_t>(static_cast<float>(ledCount) * (maximum - level) + 0.5f);
    return onBitmap->height() * leds / ledCount;
}

void LevelMeter::draw(Painter& painter)
{
    if (onBitmap == nullptr)
        return;
    const float level = nextLevel();
    const std::int32_t split = splitAt(level);
    const PixelRect& r = rectangle;
    if ((style & meterHorizontal) != 0) {
        onRect = {r.left, r.top, r.left + split, r.bottom};
        offRect = {r.left + split, r.top, r.right, r.bottom};
        if (offBitmap != nullptr)
            offBitmap->draw(painter, offRect, {split, 0});
        onBitmap->draw(painter, onRect, {0, 0});
    } else {
        offRect = {r.left, r.top, r.right, r.top + split};
        onRect = {r.left, r.top + split, r.right, r.bottom};
        if (offBitmap != nullptr)
            offBitmap->draw(painter, offRect, {0, 0});
        onBitmap->draw(painter, onRect, {0, split});
    }
    lastDrawnValue = level;
}

void LevelMeter::redrawIfChanged(Painter& painter)
{
    if (value != lastDrawnValue)
        draw(painter);
}
