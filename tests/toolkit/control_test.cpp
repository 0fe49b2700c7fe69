// Control: the value model every control shares.
#include "tests/toolkit/toolkit_test_support.h"

#include <doctest.h>

namespace {

class PlainControl : public Control {
public:
    PlainControl(ControlListener* listener = nullptr) : Control({0, 0, 10, 10}, listener, 7) {}
    void draw(Painter&) override { ++draws; }
    int draws = 0;
};

} // namespace

TEST_CASE_FIXTURE(ToolkitFixture, "control: a fresh control's values")
{
    Owned<PlainControl> control(new PlainControl);
    CHECK(control->getValue() == 0.0f);
    CHECK(control->getLastDrawnValue() == -1.0f);
    CHECK(control->getDefault() == 0.5f);
    CHECK(control->getMinimum() == 0.0f);
    CHECK(control->getMaximum() == 1.0f);
    CHECK(control->isEnabled());
    CHECK(control->getTag() == 7);
}

TEST_CASE_FIXTURE(ToolkitFixture, "control: it redraws only when the value differs from the one last drawn")
{
    Owned<PlainControl> control(new PlainControl);
    Painter painter(nullptr, reinterpret_cast<NativeSurface>(0x10), nullptr);
    struct Step {
        const char* name;
        float set;
        bool setIt;
        int drawsAfter;
    };
    const Step steps[] = {
        {"first redraw always draws", 0.0f, false, 1},
        {"nothing changed", 0.0f, false, 1},
        {"same value set again", 0.0f, true, 1},
        {"new value", 0.3f, true, 2},
        {"then nothing", 0.3f, false, 2},
        {"back and forth before a redraw", 0.3f, true, 2},
        {"unclamped value", 1.7f, true, 3},
    };
    for (const Step& step : steps) {
        CAPTURE(step.name);
        if (step.setIt)
            control->setValue(step.set);
        control->redrawIfChanged(painter);
        CHECK(control->draws == step.drawsAfter);
        CHECK(control->getLastDrawnValue() == control->getValue());
    }
    CHECK(control->getValue() == 1.7f);
}

TEST_CASE_FIXTURE(ToolkitFixture, "control: setters store plainly")
{
    Owned<PlainControl> control(new PlainControl);
    control->setMinimum(-2.0f);
    control->setMaximum(5.0f);
    control->setDefault(0.75f);
    control->setLastDrawnValue(0.25f);
    control->setEnabled(false);
    control->setValue(9.0f);
    CHECK(control->getMinimum() == -2.0f);
    CHECK(control->getMaximum() == 5.0f);
    CHECK(control->getDefault() == 0.75f);
    CHECK(control->getLastDrawnValue() == 0.25f);
    CHECK_FALSE(control->isEnabled());
    CHECK(control->getValue() == 9.0f);
}

TEST_CASE_FIXTURE(ToolkitFixture, "control: idle reaches the editor's idle pump through the panel, and nothing without one")
{
    Owned<QuietEffect> effect(new QuietEffect);
    CountingEditor* editor = new CountingEditor(effect.get());
    PanelWindow* panel = editor->makePanel({0, 0, 50, 50});
    PlainControl* control = new PlainControl;
    PlainControl* loose = new PlainControl;
    panel->addWidget(control);

    stub::setTickCount(100);
    loose->idle();
    CHECK(FakeHost::instance().calls.empty());
    control->idle();
    REQUIRE(FakeHost::instance().calls.size() == 1);
    CHECK(FakeHost::instance().calls[0].opcode == HostIdle);
    control->idle(); // within 50 ms
    CHECK(FakeHost::instance().calls.size() == 1);

    loose->destroy();
    editor->dropPanel();
}
