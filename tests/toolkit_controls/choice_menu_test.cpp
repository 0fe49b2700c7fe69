// ChoiceMenu: its list of entries and current entry, and the pop-up menu a
// left click opens.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/choice_menu.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

#include <string>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

std::string entriesOf(const ChoiceMenu& menu)
{
    std::string all;
    for (std::int32_t i = 0; i < menu.getEntryCount(); ++i) {
        char text[DisplayTextSize];
        REQUIRE(menu.getEntry(i, text));
        all += (i == 0 ? "" : "|") + std::string(text);
    }
    return all;
}

Owned<ChoiceMenu> menuOf(std::initializer_list<const char*> texts, std::int32_t style = 0)
{
    Owned<ChoiceMenu> menu(new ChoiceMenu({0, 0, 60, 16}, nullptr, 0, nullptr, nullptr, style));
    for (const char* text : texts)
        menu->addEntry(text);
    return menu;
}

struct QualityMenu : ToolkitFixture {
    // Before the panel: a panel going away may still report to it.
    RecordingListener listener;
    Owned<PanelWindow> panel = makeBarePanel({0, 0, 200, 100});
    ChoiceMenu* menu;
    SkinBitmap* pressed = nullptr;

    explicit QualityMenu(std::int32_t style = 0, bool withPressedLook = false)
    {
        if (withPressedLook) {
            stub::defineBitmap(310, 80, 20);
            pressed = new SkinBitmap(310);
        }
        menu = new ChoiceMenu({20, 30, 100, 50}, &listener, 6, nullptr, pressed, style);
        if (pressed != nullptr)
            pressed->release();
        for (const char* text : {"Low", "Medium", "-", "High"})
            menu->addEntry(text);
        menu->setCurrent(1);
        panel->addWidget(menu);
        // The menu redraws itself after reporting; a redrawing listener
        // would only add a draw.
        listener.redraw = false;
    }

    void press(std::int32_t buttons = MouseLeft)
    {
        stub::log().clear();
        listener.calls.clear();
        stub::scriptMouse({{{30, 40}, buttons}});
        panel->pressWith(screen, PixelPoint{30, 40});
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

TEST_CASE_FIXTURE(ToolkitFixture, "choice menu: adding entries and where the current entry goes")
{
    struct Case {
        const char* name;
        std::int32_t current;
        const char* text;
        std::int32_t position;
        const char* entries;
        std::int32_t currentAfter;
    };
    const Case cases[] = {
        {"append", 2, "D", -1, "A|B|C|D", 2},
        {"insert first, current after it", 2, "D", 0, "D|A|B|C", 3},
        {"insert at the current one", 1, "D", 1, "A|D|B|C", 2},
        {"insert after the current one", 0, "D", 2, "A|B|D|C", 0},
        {"position past the end appends", 0, "D", 9, "A|B|C|D", 0},
        {"null text is empty", 0, nullptr, -1, "A|B|C|", 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        Owned<ChoiceMenu> menu = menuOf({"A", "B", "C"});
        REQUIRE(menu->setCurrent(c.current));
        CHECK(menu->addEntry(c.text, c.position));
        CHECK(entriesOf(*menu) == c.entries);
        CHECK(menu->getCurrent() == c.currentAfter);
    }
}

TEST_CASE_FIXTURE(ToolkitFixture, "choice menu: empty it has no current entry; the first entry becomes current")
{
    Owned<ChoiceMenu> menu = menuOf({});
    CHECK(menu->getEntryCount() == 0);
    char text[DisplayTextSize] = "untouched";
    CHECK(menu->getCurrent(text) == -1);
    CHECK(std::string(text) == "untouched");
    CHECK(menu->addEntry("Only"));
    CHECK(menu->getCurrent(text) == 0);
    CHECK(std::string(text) == "Only");
}

TEST_CASE_FIXTURE(ToolkitFixture, "choice menu: at most 128 entries, each cut to 255 characters")
{
    Owned<ChoiceMenu> menu = menuOf({});
    for (int i = 0; i < 128; ++i)
        REQUIRE(menu->addEntry(std::to_string(i).c_str()));
    CHECK_FALSE(menu->addEntry("one too many"));
    CHECK_FALSE(menu->addEntry("one too many", 0));
    CHECK(menu->getEntryCount() == 128);
    menu->removeAllEntries();
    CHECK(menu->getEntryCount() == 0);
    CHECK(menu->getCurrent() == -1);
    const std::string longText(300, 'q');
    menu->addEntry(longText.c_str());
    char text[DisplayTextSize];
    menu->getEntry(0, text);
    CHECK(std::string(text) == std::string(255, 'q'));
}

TEST_CASE_FIXTURE(ToolkitFixture, "choice menu: setCurrent refuses separators and indices outside the list")
{
    struct Case {
        std::int32_t index;
        bool accepted;
        std::int32_t currentAfter;
    };
    const Case cases[] = {{0, true, 0}, {3, true, 3}, {2, false, 1}, {-1, false, 1}, {4, false, 1}};
    for (const Case& c : cases) {
        CAPTURE(c.index);
        Owned<ChoiceMenu> menu = menuOf({"Low", "Medium", "-", "High"});
        menu->setCurrent(1);
        CHECK(menu->setCurrent(c.index) == c.accepted);
        CHECK(menu->getCurrent() == c.currentAfter);
    }
}

TEST_CASE_FIXTURE(ToolkitFixture, "choice menu: removing entries")
{
    struct Case {
        const char* name;
        std::int32_t current;
        std::int32_t index;
        bool accepted;
        const char* entries;
        std::int32_t currentAfter;
    };
    const Case cases[] = {
        {"before the current one", 2, 0, true, "B|C", 1}, {"the current one", 1, 1, true, "A|C", 0},
        {"after the current one", 0, 2, true, "A|B", 0},  {"outside", 1, 3, false, "A|B|C", 1},
        {"negative", 1, -1, false, "A|B|C", 1},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        Owned<ChoiceMenu> menu = menuOf({"A", "B", "C"});
        menu->setCurrent(c.current);
        CHECK(menu->removeEntry(c.index) == c.accepted);
        CHECK(entriesOf(*menu) == c.entries);
        CHECK(menu->getCurrent() == c.currentAfter);
    }
    Owned<ChoiceMenu> single = menuOf({"Only"});
    CHECK(single->removeEntry(0));
    CHECK(single->getCurrent() == -1);
    CHECK(single->getEntryCount() == 0);
}

TEST_CASE_FIXTURE(ToolkitFixture, "choice menu: it shows the current entry; setCurrent forces a redraw")
{
    Owned<ChoiceMenu> menu = menuOf({"Low", "Medium"});
    Painter painter(nullptr, screen, nullptr);
    menu->redrawIfChanged(painter);
    menu->redrawIfChanged(painter);
    menu->setCurrent(1);
    menu->redrawIfChanged(painter);
    std::vector<std::string> seen;
    for (const stub::Event& e : stub::events("painter.drawString"))
        seen.push_back(e.text);
    CHECK(seen == std::vector<std::string>{"Low", "Medium"});

    Owned<ChoiceMenu> empty = menuOf({});
    stub::log().clear();
    empty->draw(painter);
    REQUIRE(stub::events("painter.drawString").size() == 1);
    CHECK(stub::events("painter.drawString")[0].text.empty());
}

TEST_CASE_FIXTURE(QualityMenu, "choice menu: a left click opens the menu below it and reports the choice")
{
    stub::scriptMenuChoice(3);
    press();
    auto created = stub::events("menu.create");
    REQUIRE(created.size() == 1);
    CHECK(created[0].text == "Low|Medium|-|High");
    CHECK(created[0].id == -1); // no check mark without its style bit
    auto tracked = stub::events("menu.track");
    REQUIRE(tracked.size() == 1);
    CHECK(tracked[0].point == PixelPoint{20, 50});
    CHECK(tracked[0].surface == panel->windowHandle());
    CHECK(stub::events("menu.destroy").size() == 1);
    CHECK(menu->getCurrent() == 3);
    REQUIRE(listener.calls.size() == 1);
    CHECK(listener.calls[0].tag == 6);
    CHECK(texts() == std::vector<std::string>{"High"});
    CHECK(panel->focusWidget() == nullptr);
    CHECK_FALSE(menu->isOpen());
    CHECK(stub::liveSurfaces() == 0);
}

TEST_CASE_FIXTURE(QualityMenu, "choice menu: closed without a choice it keeps its entry and tells nobody")
{
    stub::scriptMenuChoice(-1);
    press();
    CHECK(stub::events("menu.track").size() == 1);
    CHECK(menu->getCurrent() == 1);
    CHECK(listener.calls.empty());
    CHECK(texts().empty());
    CHECK(panel->focusWidget() == nullptr);
}

TEST_CASE_FIXTURE(QualityMenu, "choice menu: only a plain left click opens it, and only when enabled")
{
    for (std::int32_t buttons : {std::int32_t{MouseRight}, MouseLeft | MouseShift, ResetGestureButtons}) {
        CAPTURE(buttons);
        press(buttons);
        CHECK(stub::events("menu.create").empty());
    }
    menu->setEnabled(false);
    press();
    CHECK(stub::events("menu.create").empty());
}

struct CheckedMenuAbove : QualityMenu {
    CheckedMenuAbove() : QualityMenu(menuOpensAbove | menuChecksCurrent, true) {}
};

TEST_CASE_FIXTURE(CheckedMenuAbove,
                  "choice menu: opening above with the current entry checked, pressed look while open")
{
    stub::scriptMenuChoice(-1);
    press();
    auto created = stub::events("menu.create");
    REQUIRE(created.size() == 1);
    CHECK(created[0].id == 1);
    auto tracked = stub::events("menu.track");
    REQUIRE(tracked.size() == 1);
    CHECK(tracked[0].point == PixelPoint{20, 30});
    // The pressed look on the press's surface before the menu, then the
    // plain look again after it, although nothing was chosen.
    std::vector<std::string> order;
    for (const stub::Event& e : stub::log())
        if (e.what == "bitmap.draw" || e.what == "menu.track" || e.what == "painter.drawString")
            order.push_back(e.what + (e.what == "painter.drawString" ? " " + e.text : ""));
    CHECK(order == std::vector<std::string>{"bitmap.draw", "painter.drawString Medium", "menu.track",
                                            "painter.drawString Medium"});
    CHECK(stub::events("bitmap.draw")[0].surface == screen);
    CHECK(stub::events("bitmap.draw")[0].id == 310);
    CHECK(listener.calls.empty());
}
