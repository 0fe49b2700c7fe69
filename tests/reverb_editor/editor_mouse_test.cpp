// The reverb editor under real mouse input (SendInput): drags set the
// effect and tell the host in thousandths, Shift held makes a drag do
// nothing, MUTE stays between the panel and the engine.
#include "tests/gui_support/mouse_input.h"
#include "tests/gui_support/recording_host.h"
#include "tests/reverb_editor/editor_test_host.h"

#include <doctest.h>

namespace {

std::vector<AutomationEvent> automationOf(EffectRecord* effect)
{
    std::vector<AutomationEvent> mine;
    for (const AutomationEvent& event : recordedAutomation())
        if (event.effect == effect)
            mine.push_back(event);
    return mine;
}

} // namespace

TEST_CASE("editor mouse: a drag along the Tamano bar sets RoomSize and sends HostAutomate in thousandths")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    recordedAutomation().clear();
    // From the bar's left part to x 18 + 80: 3 + 197 * 72 / 97 = 149.2.
    dragLeft(open.editor(), POINT{18 + 20, 52 + 3}, POINT{18 + 80, 52 + 3}, 6);
    pumpPending();
    CHECK(effect->getParam(effect, 2) == 149.0f);
    const std::vector<AutomationEvent> sent = automationOf(effect);
    REQUIRE(sent.size() >= 2);
    CHECK(sent.back().index == 2);
    CHECK(sent.back().value == 0.149f);
    for (const AutomationEvent& event : sent)
        CHECK(event.index == 2);
    // After the idle tick the slider settles on the stored whole number.
    editorIdle(effect);
    const WindowPicture picture = open.picture();
    // (149 - 3) * 97 / 197 = 71.9 -> 71 + 8.
    CHECK(colourText(picture.pixel(18 + 78, 55)) == colourText(RGB(133, 255, 255)));
    CHECK(colourText(picture.pixel(18 + 79, 55)) == colourText(RGB(2, 79, 105)));
}

TEST_CASE("editor mouse: a drag down the Seco fader moves it and the host hears each step")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    recordedAutomation().clear();
    dragLeft(open.editor(), POINT{369 + 18, 44 + 100}, POINT{369 + 18, 44 - 15}, 5);
    CHECK(effect->getParam(effect, 11) == 240.0f);
    const std::vector<AutomationEvent> sent = automationOf(effect);
    REQUIRE(!sent.empty());
    CHECK(sent.back().index == 11);
    CHECK(sent.back().value == 0.24f);
}

TEST_CASE("editor mouse: with Shift held, moving over the bars changes nothing")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    recordedAutomation().clear();
    holdShift(true);
    dragLeft(open.editor(), POINT{150, 48}, POINT{150, 200}, 8); // down across the Amortiguacion .. Panorama bars
    holdShift(false);
    CHECK(automationOf(effect).empty());
    CHECK(effect->getParam(effect, 3) == 23.0f);
}

TEST_CASE("editor mouse: clicks on MUTE tell nobody but the engine; clicks on Calidad set the quality")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    recordedAutomation().clear();
    moveMouse(open.editor(), 10 + 20, 223 + 10);
    pressLeft();
    releaseLeft();
    CHECK(automationOf(effect).empty());
    CHECK(colourText(open.picture().pixel(10 + 21, 223 + 3)) == colourText(skinPixel(142, 21, 3)));

    moveMouse(open.editor(), 249 + 39, 165 + 9);
    pressLeft();
    releaseLeft();
    CHECK(effect->getParam(effect, 13) == 6.0f);
    const std::vector<AutomationEvent> sent = automationOf(effect);
    REQUIRE(sent.size() == 1);
    CHECK(sent[0].index == 13);
    CHECK(sent[0].value == 0.006f);
}
