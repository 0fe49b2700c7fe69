// FilmstripButton and MomentaryButton: two frames, the opposite value
// while held inside; the momentary one springs back to 0.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/filmstrip_button.h"
#include "toolkit/controls/momentary_button.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

struct Buttons : ToolkitFixture {
    RecordingListener listener;
    Owned<PanelWindow> panel = makeBarePanel();
    FilmstripButton* toggle;
    MomentaryButton* momentary;

    Buttons()
    {
        stub::defineBitmap(370, 40, 40);
        SkinBitmap* strip = new SkinBitmap(370);
        toggle = new FilmstripButton({10, 10, 50, 30}, &listener, 1, 20, strip, {3, 3});
        momentary = new MomentaryButton({100, 10, 140, 30}, &listener, 2, 20, strip, {3, 3});
        strip->release();
        panel->addWidget(toggle);
        panel->addWidget(momentary);
    }

    std::vector<float> press(const std::vector<stub::MouseFrame>& frames)
    {
        listener.calls.clear();
        stub::scriptMouse(frames);
        panel->pressWith(screen, frames[0].position);
        std::vector<float> values;
        for (const ListenerCall& call : listener.calls)
            values.push_back(call.value);
        return values;
    }
};

} // namespace

TEST_CASE_FIXTURE(Buttons, "filmstrip button: the opposite inside, the value at the press outside; the last stays")
{
    struct Case {
        const char* name;
        float before;
        std::vector<stub::MouseFrame> frames;
        std::vector<float> reported;
        float after;
    };
    const Case cases[] = {
        {"a click turns it on", 0.0f, {{{20, 20}, MouseLeft}}, {1.0f}, 1.0f},
        {"a click turns it off", 1.0f, {{{20, 20}, MouseLeft}}, {0.0f}, 0.0f},
        {"let go outside keeps it", 0.0f, {{{20, 20}, MouseLeft}, {{80, 20}, MouseLeft}}, {1.0f, 0.0f}, 0.0f},
        {"out and back in",
         1.0f,
         {{{20, 20}, MouseLeft}, {{80, 20}, MouseLeft}, {{50, 30}, MouseLeft}},
         {0.0f, 1.0f, 0.0f},
         0.0f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        toggle->setValue(c.before);
        toggle->setLastDrawnValue(c.before);
        CHECK(press(c.frames) == c.reported);
        CHECK(toggle->getValue() == c.after);
    }
}

TEST_CASE_FIXTURE(Buttons, "momentary button: on while held inside, back to 0 and told once more when let go")
{
    CHECK(press({{{110, 20}, MouseLeft}}) == std::vector<float>{1.0f, 0.0f});
    CHECK(momentary->getValue() == 0.0f);
    CHECK(press({{{110, 20}, MouseLeft}, {{90, 20}, MouseLeft}, {{139, 29}, MouseLeft}}) ==
          std::vector<float>{1.0f, 0.0f, 1.0f, 0.0f});
    momentary->setEnabled(false);
    CHECK(press({{{110, 20}, MouseLeft}}).empty());
}

TEST_CASE_FIXTURE(Buttons, "filmstrip buttons: frame 1 for a value above 0; only the momentary one adds its offset")
{
    Painter painter(panel.get(), screen, nullptr);
    struct Case {
        float value;
        std::int32_t frame;
    };
    const Case cases[] = {{0.0f, 0}, {1.0f, 1}, {0.3f, 1}, {5.0f, 1}, {-1.0f, 0}};
    for (const Case& c : cases) {
        CAPTURE(c.value);
        stub::log().clear();
        toggle->setValue(c.value);
        toggle->draw(painter);
        momentary->setValue(c.value);
        momentary->draw(painter);
        auto drawn = stub::events("bitmap.draw");
        REQUIRE(drawn.size() == 2);
        CHECK(drawn[0].point == PixelPoint{0, 20 * c.frame});
        CHECK(drawn[1].point == PixelPoint{3, 3 + 20 * c.frame});
    }
}
