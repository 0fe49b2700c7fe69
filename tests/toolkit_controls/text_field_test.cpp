// TextField: a click opens an edit box; Return, a click elsewhere or the
// box losing the keyboard focus end the edit, which reports a changed text.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/text_field.h"

#include <doctest.h>

#include <cstring>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

void shouted(const char* text, char* shown)
{
    std::strcpy(shown, text);
    for (char* c = shown; *c != '\0'; ++c)
        if (*c >= 'a' && *c <= 'z')
            *c = static_cast<char>(*c - 'a' + 'A');
}

struct NameField : ToolkitFixture {
    // Before the panel: a panel going away may still report to it.
    RecordingListener listener;
    Owned<PanelWindow> panel = makeBarePanel({0, 0, 200, 100});
    TextField* field = new TextField({20, 30, 120, 50}, &listener, 4, "Hall", nullptr, 0);
    RecordingWidget* other = new RecordingWidget("other", {150, 30, 190, 50});

    NameField()
    {
        panel->addWidget(field);
        panel->addWidget(other);
        // The field redraws itself after reporting; a redrawing listener
        // would only add a draw.
        listener.redraw = false;
    }

    void press(PixelPoint where, std::int32_t buttons = MouseLeft)
    {
        stub::scriptMouse({{where, buttons}});
        panel->pressWith(screen, where);
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> seen;
        for (const stub::Event& e : stub::events("painter.drawString"))
            seen.push_back(e.text);
        return seen;
    }
};

} // namespace

TEST_CASE_FIXTURE(NameField, "text field: it shows its text, converted if it has a converter")
{
    char text[DisplayTextSize];
    field->getText(text);
    CHECK(std::string(text) == "Hall");
    Painter painter(nullptr, screen, nullptr);
    field->redrawIfChanged(painter);
    field->setTextToText(shouted);
    field->setText("Room");
    field->redrawIfChanged(painter);
    CHECK(texts() == std::vector<std::string>{"Hall", "ROOM"});

    Owned<TextField> empty(new TextField({0, 0, 10, 10}, &listener, 1, nullptr, nullptr, 0));
    empty->getText(text);
    CHECK(std::string(text).empty());
}

TEST_CASE_FIXTURE(NameField, "text field: setText forces a redraw whatever the value, and cuts at 255 characters")
{
    Painter painter(nullptr, screen, nullptr);
    for (float value : {0.0f, 1.0f, 0.3f}) {
        CAPTURE(value);
        field->setValue(value);
        field->redrawIfChanged(painter);
        stub::log().clear();
        field->setText("Plate");
        field->redrawIfChanged(painter);
        CHECK(texts() == std::vector<std::string>{"Plate"});
    }
    field->setText(nullptr);
    CHECK(std::string(field->currentText()) == "Plate");
    const std::string longText(300, 'a');
    field->setText(longText.c_str());
    CHECK(std::string(field->currentText()) == std::string(255, 'a'));
}

TEST_CASE_FIXTURE(NameField, "text field: a left click opens an edit box over it with its text and font")
{
    press({30, 40});
    CHECK(field->isEditing());
    CHECK(panel->focusWidget() == field);
    auto opened = stub::events("edit.open");
    REQUIRE(opened.size() == 1);
    CHECK(opened[0].rect == PixelRect{20, 30, 120, 50});
    CHECK(opened[0].text == "Hall");
    CHECK(opened[0].id == 3);
    CHECK(opened[0].surface == panel->windowHandle());

    // A second click while editing does not open another box.
    press({40, 40});
    CHECK(stub::events("edit.open").size() == 1);
}

TEST_CASE_FIXTURE(NameField, "text field: no edit for other buttons, or when disabled")
{
    struct Case {
        const char* name;
        std::int32_t buttons;
        bool enabled;
    };
    const Case cases[] = {
        {"right button", MouseRight, true},
        {"left with Shift", MouseLeft | MouseShift, true},
        {"left with Alt", ResetGestureButtons, true},
        {"disabled", MouseLeft, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        field->setEnabled(c.enabled);
        press({30, 40}, c.buttons);
        CHECK_FALSE(field->isEditing());
        CHECK(panel->focusWidget() == nullptr);
        CHECK(stub::events("edit.open").empty());
    }
}

TEST_CASE_FIXTURE(NameField, "text field: ending the edit keeps the text and reports only a change")
{
    struct Case {
        const char* name;
        const char* typed;
        bool byClickElsewhere;
        std::size_t reports;
    };
    const Case cases[] = {
        {"Return, unchanged", "Hall", false, 0},
        {"Return, changed", "Cathedral", false, 1},
        {"click elsewhere, changed", "Cave", true, 1},
        {"click elsewhere, unchanged", "Hall", true, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        field->setText("Hall");
        press({30, 40});
        REQUIRE(field->isEditing());
        stub::log().clear();
        journal().clear();
        listener.calls.clear();
        stub::typeIntoEditBox(c.typed);
        if (c.byClickElsewhere)
            press({160, 40});
        else
            stub::pressReturnInEditBox();
        CHECK_FALSE(field->isEditing());
        CHECK_FALSE(stub::editBoxOpen());
        CHECK(panel->focusWidget() == nullptr);
        CHECK(std::string(field->currentText()) == c.typed);
        CHECK(listener.calls.size() == c.reports);
        if (c.reports == 1)
            CHECK(listener.calls[0].tag == 4);
        // Redrawn on a surface of its own, released again.
        CHECK(texts() == std::vector<std::string>{c.typed});
        CHECK(stub::events("edit.close").size() == 1);
        CHECK(stub::liveSurfaces() == 0);
        if (c.byClickElsewhere)
            CHECK(journal() == std::vector<std::string>{"other press 160,40"});
    }
}

TEST_CASE_FIXTURE(NameField, "text field: a typed text longer than the field holds is cut to 255 characters")
{
    press({30, 40});
    stub::typeIntoEditBox(std::string(400, 'z'));
    stub::pressReturnInEditBox();
    CHECK(std::string(field->currentText()) == std::string(255, 'z'));
}

TEST_CASE_FIXTURE(NameField, "text field: a panel going away while it edits ends the edit")
{
    press({30, 40});
    stub::typeIntoEditBox("Spring");
    panel.reset();
    CHECK_FALSE(stub::editBoxOpen());
    REQUIRE(listener.calls.size() == 1);
    CHECK(listener.calls[0].tag == 4);
}

TEST_CASE_FIXTURE(ToolkitFixture, "text field: a panel without a window opens no edit box")
{
    stub::failWindowCreation(true);
    RecordingListener listener;
    Owned<PanelWindow> panel = makeBarePanel();
    auto* field = new TextField({20, 30, 120, 50}, &listener, 4, "Hall", nullptr, 0);
    panel->addWidget(field);
    stub::scriptMouse({{{30, 40}, MouseLeft}});
    panel->pressWith(reinterpret_cast<NativeSurface>(0x600), PixelPoint{30, 40});
    CHECK_FALSE(field->isEditing());
    CHECK(stub::events("edit.open").empty());
}
