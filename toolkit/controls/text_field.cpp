#include "toolkit/controls/text_field.h"

#include "toolkit/core/mouse_buttons.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/panel_window.h"

#include <cstring>

TextField::TextField(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag, const char* initialText,
                     SkinBitmap* bitmap, std::int32_t displayStyle)
    : ValueDisplay(rect, owner, controlTag, bitmap, displayStyle)
{
    copyDisplayText(text, initialText);
}

TextField::~TextField()
{
    if (isEditing())
        platform::closeEditBox(editBox);
}

void TextField::draw(Painter& painter)
{
    char shown[DisplayTextSize] = {};
    if (textToText != nullptr) {
        textToText(text, shown);
        shown[DisplayTextSize - 1] = '\0';
    } else {
        copyDisplayText(shown, text);
    }
    drawText(painter, shown, nullptr);
}

void TextField::onMouseDown(Painter& painter, PixelPoint&)
{
    if (enabled == 0 || parentPanel == nullptr || parentPanel->focusWidget() == this)
        return;
    if (painter.getMouseButtons() != MouseLeft)
        return;
    parentPanel->setFocusWidget(this);
    focusGained();
}

void TextField::focusGained()
{
    if (isEditing() || parentPanel == nullptr || parentPanel->windowHandle() == nullptr)
        return;
    editBox = platform::openEditBox(parentPanel->windowHandle(), rectangle, text, fontIndex, this);
}

void TextField::focusLost()
{
    if (!isEditing())
        return;
    char old[DisplayTextSize];
    std::memcpy(old, text, sizeof old);
    platform::readEditBox(editBox, text, DisplayTextSize);
    const platform::NativeEditBox closing = editBox;
    editBox = {};
    platform::closeEditBox(closing);
    if (parentPanel == nullptr)
        return;
    parentPanel->setFocusWidget(nullptr);
    NativeWindow window = parentPanel->windowHandle();
    NativeSurface surface = platform::acquireWindowSurface(window);
    {
        Painter painter(parentPanel, surface, window);
        if (std::strcmp(old, text) != 0 && listener != nullptr)
            listener->valueChanged(painter, this);
        draw(painter);
    }
    platform::releaseWindowSurface(window, surface);
}

void TextField::setText(const char* newText)
{
    if (newText == nullptr)
        return;
    copyDisplayText(text, newText);
    lastDrawnValue = value == 0.0f ? 1.0f : 0.0f;
}

void TextField::getText(char* buffer) const
{
    if (buffer != nullptr)
        std::memcpy(buffer, text, sizeof text);
}

void TextField::setTextToText(TextToText convert)
{
    textToText = convert;
}
