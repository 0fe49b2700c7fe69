#include "toolkit/controls/choice_menu.h"

#include "toolkit/core/mouse_buttons.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/skin_bitmap.h"
#include "toolkit/core/toolkit_platform.h"

#include <cstdlib>
#include <cstring>

namespace {

void copyEntry(char* destination, const char* source)
{
    std::strncpy(destination, source != nullptr ? source : "", DisplayTextSize - 1);
    destination[DisplayTextSize - 1] = '\0';
}

} // namespace

ChoiceMenu::ChoiceMenu(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag, SkinBitmap* bitmap,
                       SkinBitmap* pressed, std::int32_t displayStyle)
    : ValueDisplay(rect, owner, controlTag, bitmap, displayStyle), pressedBackground(pressed)
{
    if (pressedBackground != nullptr)
        pressedBackground->retain();
}

ChoiceMenu::~ChoiceMenu()
{
    removeAllEntries();
    if (pressedBackground != nullptr)
        pressedBackground->release();
}

bool ChoiceMenu::addEntry(const char* text, std::int32_t position)
{
    if (entryCount >= MaxEntries)
        return false;
    char* buffer = static_cast<char*>(std::malloc(DisplayTextSize));
    if (buffer == nullptr)
        return false;
    entries[entryCount] = buffer;
    if (position >= 0 && position < entryCount) {
        for (std::int32_t i = entryCount; i > position; --i)
            std::memcpy(entries[i], entries[i - 1], DisplayTextSize);
        copyEntry(entries[position], text);
        if (current >= position)
            ++current;
    } else {
        copyEntry(buffer, text);
    }
    ++entryCount;
    if (current == -1)
        current = 0;
    return true;
}

std::int32_t ChoiceMenu::getCurrent(char* buffer) const
{
    if (current < 0)
        return -1;
    if (buffer != nullptr)
        std::memcpy(buffer, entries[current], DisplayTextSize);
    return current;
}

bool ChoiceMenu::setCurrent(std::int32_t index)
{
    if (index < 0 || index >= entryCount || std::strcmp(entries[index], "-") == 0)
        return false;
    current = index;
    lastDrawnValue = value == 0.0f ? 1.0f : 0.0f;
    return true;
}

bool ChoiceMenu::getEntry(std::int32_t index, char* buffer) const
{
    if (index < 0 || index >= entryCount)
        return false;
    if (buffer != nullptr)
        std::memcpy(buffer, entries[index], DisplayTextSize);
    return true;
}

bool ChoiceMenu::removeEntry(std::int32_t index)
{
    if (index < 0 || index >= entryCount)
        return false;
    for (std::int32_t i = index + 1; i < entryCount; ++i)
        std::memcpy(entries[i - 1], entries[i], DisplayTextSize);
    if (current >= index)
        --current;
    --entryCount;
    std::free(entries[entryCount]);
    entries[entryCount] = nullptr;
    if (entryCount == 0)
        current = -1;
    return true;
}

void ChoiceMenu::removeAllEntries()
{
    for (std::int32_t i = 0; i < entryCount; ++i) {
        std::free(entries[i]);
        entries[i] = nullptr;
    }
    entryCount = 0;
    current = -1;
}

std::int32_t ChoiceMenu::getEntryCount() const
{
    return entryCount;
}

void ChoiceMenu::draw(Painter& painter)
{
    drawCurrent(painter, nullptr);
}

void ChoiceMenu::drawCurrent(Painter& painter, SkinBitmap* pressed)
{
    // No current entry (an empty menu) shows an empty box.
    drawText(painter, current >= 0 ? entries[current] : "", pressed);
}

void ChoiceMenu::onMouseDown(Painter& painter, PixelPoint&)
{
    if (enabled == 0 || parentPanel == nullptr)
        return;
    if (painter.getMouseButtons() != MouseLeft)
        return;
    if (pressedBackground != nullptr)
        drawCurrent(painter, pressedBackground);
    parentPanel->setFocusWidget(this);
    focusGained();
}

void ChoiceMenu::focusGained()
{
    if (parentPanel == nullptr || menu != nullptr)
        return;
    NativeWindow window = parentPanel->windowHandle();
    const std::int32_t checked = (style & menuChecksCurrent) != 0 ? current : -1;
    menu = platform::createPopupMenu(entries, entryCount, checked);
    const PixelPoint corner{rectangle.left, (style & menuOpensAbove) != 0 ? rectangle.top : rectangle.bottom};
    const std::int32_t choice = platform::trackPopupMenu(menu, window, corner);
    platform::destroyPopupMenu(menu);
    menu = nullptr;
    parentPanel->setFocusWidget(nullptr);
    if (choice < 0 && pressedBackground == nullptr)
        return;
    NativeSurface surface = platform::acquireWindowSurface(window);
    {
        Painter painter(parentPanel, surface, window);
        if (choice >= 0 && choice < entryCount) {
            current = choice;
            if (listener != nullptr)
                listener->valueChanged(painter, this);
        }
        draw(painter);
    }
    platform::releaseWindowSurface(window, surface);
}
