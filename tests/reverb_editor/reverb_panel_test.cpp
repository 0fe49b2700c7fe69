// The panel's behaviour against a real reverb effect and a recording host:
// presses and drags set currentValues and tell the host in thousandths,
// refresh follows the effect, MUTE reaches only the engine, and the meter
// tick reads and clears the peaks.
#include "effects/reverb/editor/reverb_panel.h"
#include "effects/reverb/reverb_effect.h"
#include "tests/reverb_editor/recording_surface.h"
#include "tests/support/fake_host.h"

#include <doctest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

struct PanelFixture {
    std::unique_ptr<ReverbEffect> effect;
    RecordingSurface* surface = nullptr;
    std::unique_ptr<ReverbPanel> panel;

    PanelFixture()
    {
        FakeHost::reset();
        effect = std::make_unique<ReverbEffect>(FakeHost::callback);
        auto recording = std::make_unique<RecordingSurface>();
        surface = recording.get();
        panel = std::make_unique<ReverbPanel>(*effect, std::move(recording));
        panel->refresh();
        surface->take();
        FakeHost::instance().calls.clear();
    }

    // (index, value) of every HostAutomate the host received.
    static std::vector<std::pair<int, float>> automation()
    {
        std::vector<std::pair<int, float>> seen;
        for (const HostCall& call : FakeHost::instance().calls)
            if (call.opcode == HostAutomate)
                seen.emplace_back(call.index, call.opt);
        FakeHost::instance().calls.clear();
        return seen;
    }
};

using Automation = std::vector<std::pair<int, float>>;

} // namespace

TEST_CASE("reverb panel: the widgets draw once when made, then refresh brings them to the program")
{
    FakeHost::reset();
    // The engine's delay lines make the effect too large for the stack.
    auto effect = std::make_unique<ReverbEffect>(FakeHost::callback);
    auto recording = std::make_unique<RecordingSurface>();
    RecordingSurface& surface = *recording;
    ReverbPanel panel(*effect, std::move(recording));
    // Ten sliders of four calls, two faders of six, three buttons, a strip of five.
    CHECK(surface.take().size() == 10 * 4 + 2 * 6 + 3 + 5);
    CHECK(panel.slider(0)->value() == 101.5f);
    panel.refresh();
    // "Inicial": RoomSize 110, Damping 23, ... GateOn 0, Quality 10, dry 0, wet 120.
    CHECK(panel.slider(0)->value() == 110.0f);
    CHECK(panel.slider(1)->value() == 23.0f);
    CHECK(panel.slider(6)->value() == -60.0f);
    CHECK_FALSE(panel.slider(6)->enabled());
    CHECK(panel.fader(0)->value() == 0.0f);
    CHECK(panel.fader(1)->value() == 120.0f);
    CHECK(panel.qualitySelector()->state() == 4);
    CHECK_FALSE(panel.gateButton()->state());
    CHECK_FALSE(panel.muteButton()->state());
}

TEST_CASE("reverb panel: a press on the Tamano bar stores the whole value and tells the host value / 1000")
{
    PanelFixture f;
    f.panel->pressAt(18 + 60, 52 + 3); // 108.6
    CHECK(f.effect->currentValues.roomSize == 108);
    CHECK(f.effect->getParam(RoomSize) == 108.0f);
    CHECK(f.automation() == Automation{{RoomSize, 0.108f}});
    CHECK(f.panel->slider(0)->text() == "109");
    f.panel->refresh();
    CHECK(f.panel->slider(0)->text() == "108");
}

TEST_CASE("reverb panel: the plus mark at the maximum sends the unchanged value again")
{
    PanelFixture f;
    f.effect->setParam(RoomSize, 200.0f);
    f.panel->refresh();
    FakeHost::instance().calls.clear();
    f.panel->pressAt(18 + 110, 52 + 3);
    CHECK(f.effect->currentValues.roomSize == 200);
    CHECK(f.automation() == Automation{{RoomSize, 0.2f}});
}

TEST_CASE("reverb panel: drags follow the pointer from widget to widget")
{
    PanelFixture f;
    f.panel->dragAt(18 + 8, 81 + 2);   // Amortiguacion to 0
    f.panel->dragAt(18 + 105, 109);    // Retardo to 100
    f.panel->dragAt(369 + 10, 44 - 15); // Seco to the top
    f.panel->dragAt(409 + 10, 44 + 155); // Reverb to the bottom
    CHECK(f.effect->currentValues.damping == 0);
    CHECK(f.effect->currentValues.preDelay == 100);
    CHECK(f.effect->currentValues.dryLevel == 240);
    CHECK(f.effect->currentValues.wetLevel == 0);
    CHECK(f.automation() == Automation{{Damping, 0.0f}, {PreDelay, 0.1f}, {DryLevel, 0.24f}, {WetLevel, 0.0f}});
    CHECK(f.panel->fader(0)->text() == " 24 dB");
    CHECK(f.panel->fader(1)->text() == "mute");
}

TEST_CASE("reverb panel: Umbral at its left end shows -70 dB and stores 70")
{
    PanelFixture f;
    f.panel->pressAt(328 + 5, 14 + 5); // gate on
    f.automation();
    f.panel->pressAt(196 + 8, 52);
    CHECK(f.panel->slider(6)->text() == "-70 dB");
    CHECK(f.effect->currentValues.gateThreshold == 70);
    CHECK(f.automation() == Automation{{GateThreshold, 0.07f}});
}

TEST_CASE("reverb panel: with the gate off its sliders ignore presses; the gate key enables them")
{
    PanelFixture f;
    for (const SliderSpec* s : {&SliderLayout[6], &SliderLayout[7], &SliderLayout[8], &SliderLayout[9]})
        f.panel->pressAt(s->x + 50, s->y + 3);
    CHECK(f.automation().empty());
    CHECK(f.effect->currentValues.gateHold == 200);

    f.panel->pressAt(328 + 40, 14 + 20); // inside the 43 x 22 area, outside the bitmap
    CHECK(f.effect->currentValues.gateOn == 1);
    CHECK(f.automation() == Automation{{GateOn, 0.001f}});
    for (int i = 6; i < 10; ++i)
        CHECK(f.panel->slider(i)->enabled());
    f.panel->pressAt(SliderLayout[8].x + 8, SliderLayout[8].y);
    CHECK(f.effect->currentValues.gateHold == 5);
}

TEST_CASE("reverb panel: COLA on with the gate on switches the gate off, the widgets follow at refresh")
{
    PanelFixture f;
    f.effect->setParam(GateOn, 1.0f);
    f.panel->refresh();
    FakeHost::instance().calls.clear();
    f.panel->pressAt(62 + 10, 223 + 10);
    CHECK(f.effect->currentValues.tailHold == 1);
    CHECK(f.effect->currentValues.gateOn == 0);
    CHECK(f.automation() == Automation{{GateOn, 0.0f}, {TailHold, 0.001f}});
    CHECK(f.panel->gateButton()->state());
    CHECK(f.panel->slider(6)->enabled());
    f.panel->refresh();
    CHECK_FALSE(f.panel->gateButton()->state());
    for (int i = 6; i < 10; ++i)
        CHECK_FALSE(f.panel->slider(i)->enabled());
    CHECK(f.panel->tailButton()->state());
}

TEST_CASE("reverb panel: the gate key leaves the tail hold as it is")
{
    PanelFixture f;
    f.effect->setParam(TailHold, 1.0f);
    f.panel->refresh();
    FakeHost::instance().calls.clear();
    f.panel->pressAt(328, 14);
    CHECK(f.effect->currentValues.gateOn == 1);
    CHECK(f.effect->currentValues.tailHold == 1);
    CHECK(f.automation() == Automation{{GateOn, 0.001f}});
}

TEST_CASE("reverb panel: the quality strip sets 4, 6, 8 or 10 combs; boundaries do nothing")
{
    struct Case {
        int dx;
        int quality; // 0: no change
    };
    const Case cases[] = {{13, 4}, {39, 6}, {65, 8}, {91, 10}, {0, 0}, {26, 0}, {52, 0}, {78, 0}, {104, 0}};
    for (const Case& c : cases) {
        CAPTURE(c.dx);
        PanelFixture f;
        f.panel->pressAt(QualitySpec.x + c.dx, QualitySpec.y + 9);
        if (c.quality == 0) {
            CHECK(f.automation().empty());
            CHECK(f.effect->currentValues.quality == 10);
        } else {
            CHECK(f.effect->currentValues.quality == c.quality);
            CHECK(f.effect->engine.combCount == c.quality);
            CHECK(f.automation() == Automation{{Quality, c.quality / 1000.0f}});
        }
    }
}

TEST_CASE("reverb panel: a press on the Panorama label centres the pan")
{
    PanelFixture f;
    f.effect->setParam(Panorama, 5.0f);
    f.panel->refresh();
    FakeHost::instance().calls.clear();
    CHECK(f.panel->slider(PanSlider)->text() == "L 48");
    f.panel->pressAt(48, 185);
    CHECK(f.panel->slider(PanSlider)->text() == "C");
    CHECK(f.effect->currentValues.panorama == 20);
    CHECK(f.automation() == Automation{{Panorama, 0.02f}});
    f.panel->pressAt(47, 185); // the zone's edges are outside it
    CHECK(f.automation().empty());
}

TEST_CASE("reverb panel: MUTE reaches the engine only; the host hears nothing of it")
{
    PanelFixture f;
    f.panel->pressAt(10 + 5, 223 + 5);
    CHECK(f.effect->engine.muted);
    CHECK(f.panel->muteButton()->state());
    CHECK(f.automation().empty());
    f.panel->refresh();
    CHECK(f.panel->muteButton()->state());
    f.panel->pressAt(10 + 5, 223 + 5);
    CHECK_FALSE(f.effect->engine.muted);
}

TEST_CASE("reverb panel: a panel made while the engine is muted shows MUTE on")
{
    FakeHost::reset();
    auto effect = std::make_unique<ReverbEffect>(FakeHost::callback);
    effect->setMuted(1);
    ReverbPanel panel(*effect, std::make_unique<RecordingSurface>());
    REQUIRE(panel.muteButton() != nullptr);
    CHECK(panel.muteButton()->state());
    panel.pressAt(15, 228);
    CHECK_FALSE(effect->engine.muted);
    ReverbPanel reopened(*effect, std::make_unique<RecordingSurface>());
    CHECK_FALSE(reopened.muteButton()->state());
}

TEST_CASE("reverb panel: refresh shows host changes and program changes; values beyond a range are clamped")
{
    PanelFixture f;
    f.effect->setParam(RoomSize, 0.11f);
    f.panel->refresh();
    CHECK(f.panel->slider(0)->value() == 110.0f);
    f.effect->selectProgram(5); // "Catedral"
    f.panel->refresh();
    CHECK(f.panel->slider(0)->value() == 178.0f);
    CHECK(f.panel->slider(2)->text() == "100 ms");
    CHECK(f.panel->fader(1)->text() == " -2 dB");
    f.effect->currentValues.gateHold = 900;
    f.panel->refresh();
    CHECK(f.panel->slider(8)->value() == 500.0f);
    CHECK(f.effect->currentValues.gateHold == 900);
}

TEST_CASE("reverb panel: the meter tick moves both bars, draws them and clears all four peaks")
{
    PanelFixture f;
    f.effect->meterLeft = 1.0f;
    f.effect->meterRight = 0.5f;
    f.effect->engine.peakLeft = 0.7f;
    f.effect->engine.peakRight = 0.7f;
    RecordingSurface tick;
    f.panel->meterTick(tick);
    // From 248: a target below the shown height is a fall, 248 - 50 and 248 - 59.
    CHECK(f.effect->meterDisplayLeft == 198);
    CHECK(f.effect->meterDisplayRight == 189);
    CHECK(tick.take() == std::vector<std::string>{
                             "exclude 449,34-465,5",
                             "skin 133 at 449,34 size 0x0",
                             "exclude 480,34-496,14",
                             "skin 133 at 480,34 size 0x0",
                         });
    CHECK(f.effect->meterLeft == 0.0f);
    CHECK(f.effect->meterRight == 0.0f);
    CHECK(f.effect->engine.peakLeft == 0.0f);
    CHECK(f.effect->engine.peakRight == 0.0f);
    CHECK(f.surface->calls.empty());
}

TEST_CASE("reverb panel: with MUTE on both meters fall whatever the level")
{
    PanelFixture f;
    f.effect->meterDisplayLeft = 0;
    f.effect->meterDisplayRight = 0;
    f.effect->meterLeft = 1.0f;
    RecordingSurface tick;
    f.panel->meterTick(tick);
    CHECK(f.effect->meterDisplayLeft == 150);
    f.panel->pressAt(15, 228);
    f.effect->meterLeft = 1.0f;
    f.effect->meterRight = 1.0f;
    f.panel->meterTick(tick);
    CHECK(f.effect->meterDisplayLeft == 74);
    CHECK(f.effect->meterDisplayRight == 0);
    CHECK(f.effect->meterLeft == 0.0f);
}
