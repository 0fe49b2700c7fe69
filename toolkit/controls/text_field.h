// TextField: a value display that shows a string and lets the user edit
// it. A left click opens a native edit box over the field; Return, the
// edit box losing the keyboard focus, or a click elsewhere on the panel
// ends the edit, keeps the typed text and tells the listener if the text
// changed. The field holds the panel's focus while it edits.
#pragma once

#include "toolkit/controls/value_display.h"
#include "toolkit/core/toolkit_platform.h"

class TextField : public ValueDisplay {
public:
    // A null initial text starts empty.
    TextField(const PixelRect& rect, ControlListener* listener, std::int32_t tag, const char* initialText,
              SkinBitmap* background, std::int32_t style);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;
    void focusGained() override;
    // Ends an edit: keeps the typed text, reports a change, redraws.
    void focusLost() override;

    // Texts longer than 255 characters are cut; a null text is ignored.
    virtual void setText(const char* newText);
    // Copies the text into a buffer of 256 bytes.
    virtual void getText(char* buffer) const;
    virtual void setTextToText(TextToText convert);

    bool isEditing() const { return editBox.window != nullptr; }
    const char* currentText() const { return text; }

protected:
    ~TextField() override;

private:
    char text[DisplayTextSize] = {};
    platform::NativeEditBox editBox;
    TextToText textToText = nullptr;
};
