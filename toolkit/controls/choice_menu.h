// ChoiceMenu: a value display that shows one of up to 128 entries and lets
// the user choose another from a native pop-up menu opened by a left
// click. An entry "-" is a separator and can never be the current one. The
// menu opens below the control (above with menuOpensAbove) and checks the
// current entry with menuChecksCurrent. A pressed bitmap, if given, is the
// control's look while its menu is open.
#pragma once

#include "toolkit/controls/value_display.h"
#include "toolkit/core/native_handles.h"

#include <cstdint>

class ChoiceMenu : public ValueDisplay {
public:
    static constexpr std::int32_t MaxEntries = 128;

    ChoiceMenu(const PixelRect& rect, ControlListener* listener, std::int32_t tag, SkinBitmap* background,
               SkinBitmap* pressed, std::int32_t style);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;
    // Opens the menu and waits for it to close.
    void focusGained() override;

    // Inserts at position; a negative position, or one at or past the
    // end, appends. False when the menu is full.
    virtual bool addEntry(const char* text, std::int32_t position = -1);
    // The current index, or -1; its text is copied into a 256-byte buffer if one is given.
    virtual std::int32_t getCurrent(char* buffer = nullptr) const;
    virtual bool setCurrent(std::int32_t index);
    virtual bool getEntry(std::int32_t index, char* buffer) const;
    virtual bool removeEntry(std::int32_t index);
    virtual void removeAllEntries();
    virtual std::int32_t getEntryCount() const;

    bool isOpen() const { return menu != nullptr; }

protected:
    ~ChoiceMenu() override;

private:
    void drawCurrent(Painter& painter, SkinBitmap* pressed);

    char* entries[MaxEntries] = {};
    std::int32_t entryCount = 0;
    std::int32_t current = -1;
    SkinBitmap* pressedBackground;
    NativeObject menu = nullptr;
};
