// ValueDisplay: the text for a value, the box it is drawn in, and when a
// look setting makes it draw again.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/value_display.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

#include <cstdio>
#include <cstring>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

void asDecibels(float value, char* text)
{
    std::snprintf(text, 32, "%+.1f dB", static_cast<double>(value));
}

void leavesItEmpty(float, char*)
{
}

void tooLong(float, char* text)
{
    std::memset(text, 'x', DisplayTextSize);
}

std::vector<std::string> drawing()
{
    std::vector<std::string> seen;
    for (const stub::Event& e : stub::log()) {
        if (e.what == "painter.drawString")
            seen.push_back("text " + e.text + " " + std::to_string(e.rect.left) + "," + std::to_string(e.rect.top));
        else if (e.what == "painter.fillRect" || e.what == "painter.drawRect" || e.what == "bitmap.draw")
            seen.push_back(e.what.substr(e.what.find('.') + 1) + " " + std::to_string(e.rect.left) + "," +
                           std::to_string(e.rect.top) + "," + std::to_string(e.rect.right) + "," +
                           std::to_string(e.rect.bottom));
        else if (e.what == "painter.moveTo" || e.what == "painter.lineTo")
            seen.push_back(e.what.substr(e.what.find('.') + 1) + " " + std::to_string(e.point.x) + "," +
                           std::to_string(e.point.y));
    }
    return seen;
}

} // namespace

TEST_CASE("value text: two decimals, or the converter's text")
{
    struct Case {
        float value;
        ValueToText convert;
        const char* text;
    };
    const Case cases[] = {
        {0.5f, nullptr, "0.50"},       {0.0f, nullptr, "0.00"},       {-1.25f, nullptr, "-1.25"},
        {123.456f, nullptr, "123.46"}, {0.006f, nullptr, "0.01"},     {-3.0f, asDecibels, "-3.0 dB"},
        {0.5f, leavesItEmpty, ""},     {1.0f, asDecibels, "+1.0 dB"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.value);
        char text[DisplayTextSize];
        formatValueText(c.value, c.convert, text);
        CHECK(std::string(text) == c.text);
    }
    char text[DisplayTextSize];
    formatValueText(0.0f, tooLong, text);
    CHECK(std::strlen(text) == 255);
}

TEST_CASE_FIXTURE(ToolkitFixture, "value display: fresh, 0.5 shows 0.50 white on black, centred, outlined in black")
{
    Owned<ValueDisplay> display(new ValueDisplay({10, 20, 70, 40}, nullptr, 0));
    CHECK(display->getTag() == 0);
    CHECK(display->getListener() == nullptr);
    CHECK(display->getTextAlign() == AlignCentre);
    CHECK(display->getFontIndex() == 3);
    CHECK(display->getShadowColour() == colourRed);
    display->setValue(0.5f);
    Painter painter(nullptr, screen, nullptr);
    display->redrawIfChanged(painter);
    CHECK(drawing() == std::vector<std::string>{"fillRect 10,20,70,40", "drawRect 10,20,70,40", "text 0.50 10,20"});
    CHECK(painter.fillColour() == colourBlack);
    CHECK(painter.frameColour() == colourBlack);
    CHECK(painter.fontColour() == colourWhite);
    CHECK(painter.fontSize() == 12);
    auto texts = stub::events("painter.drawString");
    REQUIRE(texts.size() == 1);
    CHECK(texts[0].id == AlignCentre);
    CHECK(display->getLastDrawnValue() == 0.5f);
}

TEST_CASE_FIXTURE(ToolkitFixture, "value display: a background bitmap, a relief or a shadow")
{
    stub::defineBitmap(300, 60, 20);
    SkinBitmap* bitmap = new SkinBitmap(300);
    struct Case {
        const char* name;
        std::int32_t style;
        SkinBitmap* background;
        std::vector<std::string> drawn;
    };
    const Case cases[] = {
        {"bitmap", 0, bitmap, {"draw 10,20,70,40", "text 0.00 10,20"}},
        {"raised",
         displayRaised,
         nullptr,
         {"fillRect 10,20,70,40", "moveTo 10,40", "lineTo 10,20", "lineTo 71,20", "moveTo 70,21", "lineTo 70,40",
          "lineTo 10,40", "text 0.00 10,20"}},
        {"shadow over a bitmap", displayShadow, bitmap, {"draw 10,20,70,40", "text 0.00 11,21", "text 0.00 10,20"}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        stub::log().clear();
        Owned<ValueDisplay> display(new ValueDisplay({10, 20, 70, 40}, c.background, c.style));
        Painter painter(nullptr, screen, nullptr);
        display->draw(painter);
        CHECK(drawing() == c.drawn);
    }
    CHECK(bitmap->referenceCount() == 1);
    bitmap->release();
    CHECK(stub::liveBitmaps() == 0);
}

TEST_CASE_FIXTURE(ToolkitFixture,
                  "value display: raised lights the top left in the back colour, sunken in the frame colour")
{
    for (std::int32_t style :
         {std::int32_t{displayRaised}, std::int32_t{displaySunken}, displayRaised | displaySunken}) {
        CAPTURE(style);
        Owned<ValueDisplay> display(new ValueDisplay({0, 0, 30, 10}, nullptr, style));
        display->setBackColour(colourYellow);
        display->setFrameColour(colourBlue);
        stub::log().clear();
        Painter painter(nullptr, screen, nullptr);
        display->draw(painter);
        // The painter ends on the second pair's colour.
        CHECK(painter.frameColour() == ((style & displayRaised) != 0 ? colourBlue : colourYellow));
        CHECK(stub::events("painter.drawRect").empty());
    }
}

TEST_CASE_FIXTURE(ToolkitFixture, "value display: a look setting redraws only when it changes")
{
    struct Case {
        const char* name;
        void (*change)(ValueDisplay&);
        bool redraws;
    };
    const Case cases[] = {
        {"same font colour", [](ValueDisplay& d) { d.setFontColour(colourWhite); }, false},
        {"same colour, other spare byte",
         [](ValueDisplay& d) {
             d.setFontColour({255, 255, 255, 9});
         },
         false},
        {"other font colour", [](ValueDisplay& d) { d.setFontColour(colourGreen); }, true},
        {"same back colour", [](ValueDisplay& d) { d.setBackColour(colourBlack); }, false},
        {"other back colour", [](ValueDisplay& d) { d.setBackColour(colourGrey); }, true},
        {"other frame colour", [](ValueDisplay& d) { d.setFrameColour(colourCyan); }, true},
        {"same shadow colour", [](ValueDisplay& d) { d.setShadowColour(colourRed); }, false},
        {"other shadow colour", [](ValueDisplay& d) { d.setShadowColour(colourMagenta); }, true},
        {"same font", [](ValueDisplay& d) { d.setFontIndex(3); }, false},
        {"other font", [](ValueDisplay& d) { d.setFontIndex(0); }, true},
        {"same alignment", [](ValueDisplay& d) { d.setTextAlign(AlignCentre); }, false},
        {"other alignment", [](ValueDisplay& d) { d.setTextAlign(AlignRight); }, true},
        {"text offset",
         [](ValueDisplay& d) {
             d.setTextOffset({3, 4});
         },
         false},
        {"converter", [](ValueDisplay& d) { d.setValueToText(asDecibels); }, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        Owned<ValueDisplay> display(new ValueDisplay({0, 0, 30, 10}, nullptr, 0));
        display->setValue(0.25f);
        Painter painter(nullptr, screen, nullptr);
        display->redrawIfChanged(painter);
        c.change(*display);
        stub::log().clear();
        display->redrawIfChanged(painter);
        CHECK(stub::events("painter.drawString").size() == (c.redraws ? 1u : 0u));
    }
}
