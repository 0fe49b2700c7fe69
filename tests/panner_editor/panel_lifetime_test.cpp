// The Corvelan panel's life in a host: opened and closed many times, two at
// once, closed in every order, with nothing left behind: live GDI objects
// and windows are counted (probing handles, as Wine's GetGuiResources
// answers 0), and the window class goes with the last panel.
#include "tests/gui_support/resource_census.h"
#include "tests/panner_editor/panel_test_host.h"

#include <doctest.h>

namespace {

std::string countText(const ResourceCount& count)
{
    return std::to_string(count.gdiObjects) + " GDI objects, " + std::to_string(count.windows) + " windows";
}

// Once, so that what the system makes on first use is not counted as ours:
// Wine keeps the device contexts it hands out in a cache that grows with
// the number in use at once, two panels' worth here.
void warmUp()
{
    OpenPanel first(0, 0);
    OpenPanel second(0, 200);
    first.press(20, 140);
    first.press(110, 100);
    for (const OpenPanel* panel : {&first, &second}) {
        panel->setParam(0, 0.5f);
        panel->idle();
        panel->picture();
    }
}

} // namespace

TEST_CASE("corvelan panel lifetime: 200 openings and closings leave nothing behind")
{
    hostLog().clear();
    warmUp();
    EffectRecord* effect = newCorvelan();
    REQUIRE(effect != nullptr);
    HostWindow host(514, 150);
    const ResourceCount before = countResources();
    for (int i = 0; i < 200; ++i) {
        REQUIRE(openEditor(effect, host.handle()));
        if (i == 0)
            CHECK(panelClassRegistered());
        pumpPending();
        editorIdle(effect);
        closeEditor(effect);
        pumpPending();
    }
    CHECK_FALSE(panelClassRegistered());
    CHECK(countText(countResources()) == countText(before));
    closeEffect(effect);
}

TEST_CASE("corvelan panel lifetime: two panels at once share the class, which goes with the last")
{
    hostLog().clear();
    warmUp();
    const ResourceCount before = countResources();
    CHECK_FALSE(panelClassRegistered());
    {
        OpenPanel first(0, 0);
        OpenPanel second(0, 200);
        REQUIRE(first.isOpen());
        REQUIRE(second.isOpen());
        CHECK(first.panel() != second.panel());
        CHECK(panelClassRegistered());
        first.setParam(0, 0.5f); // each panel follows its own effect
        first.idle();
        second.idle();
        CHECK(colourText(first.picture().pixel(210, 18)) == colourText(RGB(246, 168, 44)));
        CHECK(colourText(second.picture().pixel(17, 18)) == colourText(RGB(246, 168, 44)));
        first.close();
        CHECK(panelClassRegistered());
        CHECK(second.panel() != nullptr);
        second.close();
        CHECK_FALSE(panelClassRegistered());
    }
    CHECK(countText(countResources()) == countText(before));
}

TEST_CASE("corvelan panel lifetime: a host that destroys its window first, or the effect while open")
{
    hostLog().clear();
    warmUp();
    const ResourceCount before = countResources();
    for (int i = 0; i < 20; ++i) {
        EffectRecord* effect = newCorvelan();
        REQUIRE(effect != nullptr);
        auto host = std::make_unique<HostWindow>(514, 150);
        REQUIRE(openEditor(effect, host->handle()));
        pumpPending();
        if (i % 2 == 0) {
            host->destroy(); // the panel's window goes with it
            closeEditor(effect);
            closeEffect(effect);
        } else {
            closeEffect(effect); // still open: the effect takes its panel along
            host->destroy();
        }
        CHECK_FALSE(panelClassRegistered());
    }
    CHECK(countText(countResources()) == countText(before));
}
