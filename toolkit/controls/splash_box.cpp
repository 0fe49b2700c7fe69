#include "toolkit/controls/splash_box.h"

#include "toolkit/core/panel_window.h"
#include "toolkit/core/skin_bitmap.h"

SplashBox::SplashBox(const PixelRect& hotArea, ControlListener* owner, std::int32_t controlTag, SkinBitmap* image,
                     const PixelRect& shownRect, PixelPoint imageOffset)
    : Control(hotArea, owner, controlTag), displayRect(shownRect), picture(image), pictureOffset(imageOffset)
{
    if (picture != nullptr)
        picture->retain();
}

SplashBox::~SplashBox()
{
    if (picture != nullptr)
        picture->release();
}

void SplashBox::draw(Painter& painter)
{
    // Hidden, the background under the hot area is the box's look.
    if (value != 0.0f && picture != nullptr)
        picture->draw(painter, displayRect, pictureOffset);
    lastDrawnValue = value;
}

void SplashBox::onMouseDown(Painter& painter, PixelPoint&)
{
    if (enabled == 0 || parentPanel == nullptr)
        return;
    if (value == 0.0f) {
        // Another widget holding the modal slot keeps the picture hidden.
        if (!parentPanel->setModalWidget(this))
            return;
        value = 1.0f;
        savedRect = rectangle;
        rectangle = displayRect;
        draw(painter);
    } else {
        value = 0.0f;
        rectangle = savedRect;
        parentPanel->setModalWidget(nullptr);
        parentPanel->draw(painter);
    }
    if (listener != nullptr)
        listener->valueChanged(painter, this);
}
