#include "toolkit/controls/bitmap_fader.h"

#include "toolkit/core/mouse_buttons.h"
#include "toolkit/core/offscreen_painter.h"
#include "toolkit/core/skin_bitmap.h"

namespace {

bool dragButtons(std::int32_t buttons)
{
    return buttons == MouseLeft || buttons == (MouseLeft | MouseShift);
}

} // namespace

BitmapFader::BitmapFader(Axis faderAxis, const PixelRect& rect, ControlListener* owner, std::int32_t controlTag,
                         std::int32_t travelStart, std::int32_t travelEnd, SkinBitmap* handle, SkinBitmap* background,
                         PixelPoint trackOffset, std::int32_t faderStyle)
    : Control(rect, owner, controlTag),
      axis(faderAxis),
      handleBitmap(handle),
      backgroundBitmap(background),
      backgroundOffset(trackOffset),
      minPos(travelStart),
      maxPos(travelEnd),
      style(faderStyle),
      controlWidth(rect.width()),
      controlHeight(rect.height())
{
    if (handleBitmap != nullptr) {
        handleBitmap->retain();
        handleWidth = handleBitmap->width();
        handleHeight = handleBitmap->height();
    }
    if (backgroundBitmap != nullptr)
        backgroundBitmap->retain();
    const FaderTravel t = travel();
    handleLowerLimit = t.lowerLimit();
    handleUpperLimit = t.upperLimit();
    // Where the first draw will put the handle for the starting value, so a
    // press that somehow comes before any paint still meets the handle.
    if (isVertical())
        handlePosition = maxPos;
    else
        handlePosition = t.span(drawsReversed() ? 1.0f - value : value, 0).leading + rect.left;
}

BitmapFader::~BitmapFader()
{
    if (handleBitmap != nullptr)
        handleBitmap->release();
    if (backgroundBitmap != nullptr)
        backgroundBitmap->release();
}

void BitmapFader::setTransparentHandle(bool on)
{
    transparentHandle = on ? 1 : 0;
}

void BitmapFader::setHandleOffset(PixelPoint offset)
{
    handleOffset = offset;
}

FaderTravel BitmapFader::travel() const
{
    if (isVertical())
        return {minPos, maxPos, handleHeight, rectangle.top};
    return {minPos, maxPos, handleWidth, rectangle.left};
}

bool BitmapFader::drawsReversed() const
{
    return (style & (isVertical() ? faderStyleTop : faderStyleLeft)) == 0;
}

bool BitmapFader::dragsReversed() const
{
    return (style & (isVertical() ? faderStyleBottom : faderStyleRight)) != 0;
}

PixelRect BitmapFader::handleHitRect() const
{
    if (isVertical())
        return {rectangle.left, handlePosition, rectangle.left + handleWidth, handlePosition + handleHeight};
    return {handlePosition, rectangle.top, handlePosition + handleWidth, rectangle.top + handleHeight};
}

void BitmapFader::draw(Painter& painter)
{
    const float fraction = drawsReversed() ? 1.0f - value : value;
    OffscreenPainter surface(parentPanel, controlWidth, controlHeight, colourBlack);
    if (backgroundBitmap != nullptr)
        backgroundBitmap->draw(surface, {0, 0, controlWidth, controlHeight}, backgroundOffset);

    const HandleSpan span = travel().span(fraction, isVertical() ? handleOffset.y : handleOffset.x);
    const PixelRect handleRect =
        isVertical() ? PixelRect{handleOffset.x, span.leading, handleOffset.x + handleWidth, span.trailing}
                     : PixelRect{span.leading, handleOffset.y, span.trailing, handleOffset.y + handleHeight};
    if (handleBitmap != nullptr) {
        if (transparentHandle != 0)
            handleBitmap->drawTransparent(surface, handleRect, {0, 0});
        else
            handleBitmap->draw(surface, handleRect, {0, 0});
    }

    surface.copyTo(painter, rectangle, {0, 0});
    handlePosition = span.leading + (isVertical() ? rectangle.top : rectangle.left);
    lastDrawnValue = value;
}

void BitmapFader::onMouseDown(Painter& painter, PixelPoint& where)
{
    if (enabled == 0)
        return;
    if (handleResetGesture(painter))
        return;
    std::int32_t buttons = painter.getMouseButtons();
    if (!dragButtons(buttons))
        return;
    if (!handleHitRect().contains(where))
        return;

    const FaderTravel t = travel();
    const auto along = [this](PixelPoint p) { return isVertical() ? p.y : p.x; };
    const std::int32_t grip = along(where) - handlePosition;
    float reference = value;
    std::int32_t referenceButtons = buttons;
    PixelPoint cursor = where;
    for (;;) {
        value = t.dragValue(along(cursor), grip, dragsReversed(), (buttons & MouseShift) != 0, reference);
        notifyIfChanged(painter);
        painter.getMousePosition(cursor);
        idle();
        buttons = painter.getMouseButtons();
        // Shift going down continues finely from where the handle is now;
        // Shift let go makes the handle follow the cursor again.
        if (buttons != referenceButtons) {
            if ((buttons & MouseShift) != 0)
                reference = value;
            referenceButtons = buttons;
        }
        if (!dragButtons(buttons))
            break;
    }
}
