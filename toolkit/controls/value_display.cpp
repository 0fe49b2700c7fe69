#include "toolkit/controls/value_display.h"

#include "toolkit/core/painter.h"
#include "toolkit/core/skin_bitmap.h"

ValueDisplay::ValueDisplay(const PixelRect& rect, SkinBitmap* bitmap, std::int32_t displayStyle)
    : ValueDisplay(rect, nullptr, 0, bitmap, displayStyle)
{
}

ValueDisplay::ValueDisplay(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag, SkinBitmap* bitmap,
                           std::int32_t displayStyle)
    : Control(rect, owner, controlTag), style(displayStyle), background(bitmap)
{
    if (background != nullptr)
        background->retain();
}

ValueDisplay::~ValueDisplay()
{
    if (background != nullptr)
        background->release();
}

void ValueDisplay::draw(Painter& painter)
{
    char text[DisplayTextSize];
    formatValueText(value, valueToText, text);
    drawText(painter, text, nullptr);
}

void ValueDisplay::drawText(Painter& painter, const char* text, SkinBitmap* pressed)
{
    if (pressed != nullptr) {
        pressed->draw(painter, rectangle, textOffset);
    } else if (background != nullptr) {
        background->draw(painter, rectangle, textOffset);
    } else {
        painter.setFillColour(backColour);
        painter.fillRect(rectangle);
        if ((style & (displayRaised | displaySunken)) == 0) {
            painter.setFrameColour(frameColour);
            painter.drawRect(rectangle);
        }
    }
    if ((style & (displayRaised | displaySunken)) != 0)
        drawRelief(painter);

    painter.setFont(fontIndex, 0);
    if ((style & displayShadow) != 0) {
        painter.setFontColour(shadowColour);
        PixelRect shadow = rectangle;
        shadow.left += 1;
        shadow.right += 1;
        shadow.top += 1;
        shadow.bottom += 1;
        painter.drawString(text, shadow, false, textAlign);
    }
    painter.setFontColour(fontColour);
    painter.drawString(text, rectangle, false, textAlign);
    lastDrawnValue = value;
}

void ValueDisplay::drawRelief(Painter& painter)
{
    // Raised: lit from the top left in the back colour; sunken swaps them.
    const bool raised = (style & displayRaised) != 0;
    const PixelRect& r = rectangle;
    painter.setFrameColour(raised ? backColour : frameColour);
    painter.moveTo({r.left, r.bottom});
    painter.lineTo({r.left, r.top});
    painter.lineTo({r.right + 1, r.top});
    painter.setFrameColour(raised ? frameColour : backColour);
    painter.moveTo({r.right, r.top + 1});
    painter.lineTo({r.right, r.bottom});
    painter.lineTo({r.left, r.bottom});
}

void ValueDisplay::setFontIndex(std::int32_t index)
{
    if (index != fontIndex)
        forceRedraw();
    fontIndex = index;
}

void ValueDisplay::setFontColour(PaintColour colour)
{
    if (colour != fontColour)
        forceRedraw();
    fontColour = colour;
}

void ValueDisplay::setBackColour(PaintColour colour)
{
    if (colour != backColour)
        forceRedraw();
    backColour = colour;
}

void ValueDisplay::setFrameColour(PaintColour colour)
{
    if (colour != frameColour)
        forceRedraw();
    frameColour = colour;
}

void ValueDisplay::setShadowColour(PaintColour colour)
{
    if (colour != shadowColour)
        forceRedraw();
    shadowColour = colour;
}

void ValueDisplay::setTextAlign(std::int32_t align)
{
    if (align != textAlign)
        forceRedraw();
    textAlign = align;
}

void ValueDisplay::setTextOffset(PixelPoint offset)
{
    textOffset = offset;
}

void ValueDisplay::setValueToText(ValueToText convert)
{
    valueToText = convert;
}
