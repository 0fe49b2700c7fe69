// LevelMeter: a row or column of LEDs drawn from an on bitmap (lit part)
// and an off bitmap (unlit part), lit in whole LEDs. The shown level rises
// at once but falls by at most decreaseStep per draw, so a meter decays
// over successive idle redraws while its value has already dropped.
// Horizontal meters (style bit 1) light from the left, vertical ones from
// the bottom.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

enum : std::int32_t {
    meterHorizontal = 1,
};

class LevelMeter : public Control {
public:
    LevelMeter(const PixelRect& rect, SkinBitmap* onBitmap, SkinBitmap* offBitmap, std::int32_t ledCount,
               std::int32_t style);

    void draw(Painter& painter) override;
    // Draws while the shown level differs from the value: the level is
    // what counts as drawn, so a falling meter keeps redrawing.
    void redrawIfChanged(Painter& painter) override;

    virtual void setDecreaseStep(float step);

    // The level a draw would show now.
    float nextLevel() const;
    // Horizontal: lit pixels from the left; vertical: unlit pixels from the top.
    std::int32_t splitAt(float level) const;
    const PixelRect& getOnRect() const { return onRect; }
    const PixelRect& getOffRect() const { return offRect; }

protected:
    ~LevelMeter() override;

private:
    SkinBitmap* onBitmap;
    SkinBitmap* offBitmap;
    std::int32_t ledCount;
    std::int32_t style;
    float decreaseStep = 1.0f;
    PixelRect onRect;
    PixelRect offRect;
};
