// ValueDisplay: a number, or a converter's text for it, in a styled box:
// a background bitmap, or a filled rectangle with an outline or a one-pixel
// relief, and the text over it, optionally with a shadow. It is not
// interactive; TextField and ChoiceMenu build on it to show their texts.
//
// Changing a look setting to a new one makes the next idle redraw draw, by
// making the last drawn value differ from the value.
#pragma once

#include "toolkit/controls/control.h"
#include "toolkit/controls/value_text.h"
#include "toolkit/core/paint_colour.h"

#include <cstdint>

class SkinBitmap;

// Style bits. ChoiceMenu alone reads the last two.
enum : std::int32_t {
    displayShadow = 4,
    displayRaised = 128,
    displaySunken = 256,
    menuOpensAbove = 512,
    menuChecksCurrent = 1024,
};

class ValueDisplay : public Control {
public:
    ValueDisplay(const PixelRect& rect, SkinBitmap* background, std::int32_t style);

    void draw(Painter& painter) override;

    virtual void setFontIndex(std::int32_t index);
    virtual void setFontColour(PaintColour colour);
    virtual void setBackColour(PaintColour colour);
    virtual void setFrameColour(PaintColour colour);
    virtual void setShadowColour(PaintColour colour);
    virtual void setTextAlign(std::int32_t align);
    virtual void setTextOffset(PixelPoint offset);
    virtual void setValueToText(ValueToText convert);

    std::int32_t getStyle() const { return style; }
    std::int32_t getFontIndex() const { return fontIndex; }
    std::int32_t getTextAlign() const { return textAlign; }
    PaintColour getFontColour() const { return fontColour; }
    PaintColour getBackColour() const { return backColour; }
    PaintColour getFrameColour() const { return frameColour; }
    PaintColour getShadowColour() const { return shadowColour; }

protected:
    ValueDisplay(const PixelRect& rect, ControlListener* listener, std::int32_t tag, SkinBitmap* background,
                 std::int32_t style);
    ~ValueDisplay() override;

    // The box (pressed bitmap if given, else background, else fill and
    // frame), the relief, then the text; the value counts as drawn.
    void drawText(Painter& painter, const char* text, SkinBitmap* pressed);
    void forceRedraw() { lastDrawnValue = value + 0.1f; }

    std::int32_t textAlign = 1;
    std::int32_t style;
    std::int32_t fontIndex = 3;
    PaintColour fontColour{255, 255, 255};
    PaintColour backColour{0, 0, 0};
    PaintColour frameColour{0, 0, 0};
    PaintColour shadowColour{255, 0, 0};
    PixelPoint textOffset;
    SkinBitmap* background;
    ValueToText valueToText = nullptr;

private:
    void drawRelief(Painter& painter);
};
