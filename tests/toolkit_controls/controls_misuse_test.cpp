// Controls made without bitmaps or without a listener: they draw nothing
// they do not have, report to nobody, and still take presses and values.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/controls/choice_menu.h"
#include "toolkit/controls/digit_display.h"
#include "toolkit/controls/filmstrip_button.h"
#include "toolkit/controls/filmstrip_knob.h"
#include "toolkit/controls/filmstrip_view.h"
#include "toolkit/controls/frame_animation.h"
#include "toolkit/controls/horizontal_step_switch.h"
#include "toolkit/controls/latch_button.h"
#include "toolkit/controls/level_meter.h"
#include "toolkit/controls/momentary_button.h"
#include "toolkit/controls/rotary_knob.h"
#include "toolkit/controls/text_field.h"
#include "toolkit/controls/three_way_button.h"
#include "toolkit/controls/value_display.h"
#include "toolkit/controls/vertical_step_switch.h"
#include "toolkit/core/mouse_buttons.h"

#include <doctest.h>

#include <functional>

TEST_CASE_FIXTURE(ToolkitFixture, "controls without bitmaps or listener: presses and draws do no harm")
{
    const std::int32_t xs[] = {0, 10};
    const std::int32_t ys[] = {0, 0};
    const PixelRect area{0, 0, 40, 40};
    struct Case {
        const char* name;
        std::function<Control*()> make;
    };
    const Case cases[] = {
        {"value display", [&] { return new ValueDisplay(area, nullptr, displayShadow); }},
        {"text field", [&] { return new TextField(area, nullptr, 1, nullptr, nullptr, 0); }},
        {"choice menu", [&] { return new ChoiceMenu(area, nullptr, 1, nullptr, nullptr, 0); }},
        {"latch button", [&] { return new LatchButton(area, nullptr, 1, nullptr); }},
        {"rotary knob",
         [&] {
             return new RotaryKnob(area, nullptr, 1, nullptr, nullptr, {0, 0});
         }},
        {"filmstrip knob",
         [&] {
             return new FilmstripKnob(area, nullptr, 1, 5, 40, nullptr, {0, 0});
         }},
        {"vertical switch",
         [&] {
             return new VerticalStepSwitch(area, nullptr, 1, 3, 30, 3, nullptr, {0, 0});
         }},
        {"horizontal switch",
         [&] {
             return new HorizontalStepSwitch(area, nullptr, 1, 3, 30, 3, nullptr, {0, 0});
         }},
        {"three-way button",
         [&] {
             return new ThreeWayButton(area, nullptr, 1, 20, nullptr, {0, 0});
         }},
        {"filmstrip view",
         [&] {
             return new FilmstripView(area, nullptr, 1, 4, 30, nullptr, {0, 0});
         }},
        {"filmstrip button",
         [&] {
             return new FilmstripButton(area, nullptr, 1, 20, nullptr, {0, 0});
         }},
        {"momentary button",
         [&] {
             return new MomentaryButton(area, nullptr, 1, 20, nullptr, {0, 0});
         }},
        {"frame animation",
         [&] {
             return new FrameAnimation(area, nullptr, 1, 4, 30, nullptr, {0, 0});
         }},
        {"digit display", [&] { return new DigitDisplay(area, nullptr, 1, 12.0f, 2, xs, ys, 10, 20, nullptr); }},
        {"level meter", [&] { return new LevelMeter(area, nullptr, nullptr, 10, meterHorizontal); }},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        stub::log().clear();
        Owned<PanelWindow> panel = makeBarePanel();
        Control* control = c.make();
        panel->addWidget(control);
        const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);
        panel->paintWith(screen);
        const std::int32_t pressesWith[] = {MouseLeft, ResetGestureButtons, MouseLeft};
        for (std::int32_t buttons : pressesWith) {
            stub::scriptMouse({{{20, 20}, buttons}, {{39, 5}, buttons}});
            panel->pressWith(screen, PixelPoint{20, 20});
        }
        stub::pressReturnInEditBox();
        control->setValue(0.3f);
        panel->idleRedraw();
        CHECK(stub::events("bitmap.draw").empty());
        CHECK(stub::events("bitmap.drawTransparent").empty());
        panel.reset();
        CHECK(stub::liveSurfaces() == 0);
        CHECK_FALSE(stub::editBoxOpen());
    }
}
