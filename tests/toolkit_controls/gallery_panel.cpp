#include "tests/toolkit_controls/gallery_panel.h"

#include "gallery_artwork.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/skin_bitmap.h"

#include <cstdio>

namespace {

constexpr PaintColour Outline{120, 130, 150};

void asDecibels(float value, char* text)
{
    std::snprintf(text, 32, "%+.1f dB", static_cast<double>(value));
}

// Each control retains what it keeps; the gallery lets go of its own reference at once.
template <typename Make>
auto withBitmap(std::int32_t id, Make make)
{
    SkinBitmap* bitmap = new SkinBitmap(id);
    auto made = make(bitmap);
    bitmap->release();
    return made;
}

template <typename T>
T* place(PanelWindow* panel, T* control)
{
    panel->addWidget(control);
    return control;
}

// A caption: a text field that cannot be edited, whose box is the part of
// the panel's background under it, so only its text shows.
void caption(PanelWindow* panel, const PixelRect& rect, const char* text)
{
    auto* label = new TextField(rect, nullptr, 0, text, panel->background(), 0);
    label->setTextOffset(rect.topLeft());
    label->setFontIndex(4);
    label->setFontColour({170, 178, 196});
    label->setEnabled(false);
    panel->addWidget(label);
}

} // namespace

GalleryHost& GalleryHost::instance()
{
    static GalleryHost host;
    return host;
}

PlugInt GalleryHost::callback(EffectRecord*, std::int32_t opcode, std::int32_t, PlugInt, void*, float)
{
    GalleryHost& host = instance();
    if (opcode == HostVersion)
        return 2400;
    if (opcode == HostIdle) {
        ++host.idles;
        if (!host.idleSteps.empty()) {
            std::function<void()> step = host.idleSteps.front();
            host.idleSteps.erase(host.idleSteps.begin());
            step();
        }
    }
    return 0;
}

GalleryEditor::GalleryEditor(PlugEffect* owner) : ToolkitEditor(owner)
{
    rectangle.right = GalleryWidth;
    rectangle.bottom = GalleryHeight;
}

GalleryEditor::~GalleryEditor()
{
    if (panel != nullptr)
        closeWindow();
}

std::int32_t GalleryEditor::openWindow(void* parent)
{
    ToolkitEditor::openWindow(parent);
    panel = new PanelWindow({0, 0, GalleryWidth, GalleryHeight}, parent, this);
    withBitmap(BackgroundBitmap, [this](SkinBitmap* b) {
        panel->setBackground(b);
        return 0;
    });

    display = place(panel, new ValueDisplay({10, 10, 90, 30}, nullptr, 0));
    display->setBackColour({20, 24, 32});
    display->setFrameColour(Outline);
    display->setValue(0.75f);

    text = place(panel, new TextField({100, 10, 190, 30}, this, TagText, "Hall", nullptr, 0));
    text->setBackColour({30, 40, 90});
    text->setFrameColour(Outline);

    menu = place(panel, withBitmap(MenuPressedBitmap, [this](SkinBitmap* pressed) {
                     return new ChoiceMenu({200, 10, 290, 30}, this, TagMenu, nullptr, pressed, menuChecksCurrent);
                 }));
    menu->setBackColour({70, 30, 30});
    menu->setFrameColour({150, 110, 110});
    for (const char* entry : {"Low", "Medium", "-", "High"})
        menu->addEntry(entry);
    menu->setCurrent(1);

    const std::int32_t digitX[] = {300, 313, 326};
    const std::int32_t digitY[] = {10, 10, 10};
    digits = place(panel, withBitmap(DigitsBitmap, [&](SkinBitmap* b) {
                       return new DigitDisplay({300, 10, 338, 30}, nullptr, 0, 42.0f, 3, digitX, digitY, 12, 20, b);
                   }));

    latch = place(panel, withBitmap(LatchBitmap, [this](SkinBitmap* b) {
                      return new LatchButton({10, 50, 50, 70}, this, TagLatch, b);
                  }));
    rocker = place(panel, withBitmap(RockerBitmap, [this](SkinBitmap* b) {
                       return new ThreeWayButton({60, 50, 120, 70}, this, TagRocker, 20, b, {0, 0});
                   }));
    toggle = place(panel, withBitmap(ToggleBitmap, [this](SkinBitmap* b) {
                       return new FilmstripButton({130, 50, 170, 70}, this, TagToggle, 20, b, {0, 0});
                   }));
    momentary = place(panel, withBitmap(MomentaryBitmap, [this](SkinBitmap* b) {
                          return new MomentaryButton({180, 50, 220, 70}, this, TagMomentary, 20, b, {0, 0});
                      }));
    animation = place(panel, withBitmap(AnimationBitmap, [this](SkinBitmap* b) {
                          return new FrameAnimation({230, 50, 260, 80}, this, TagAnimation, 4, 30, b, {0, 0});
                      }));
    view = place(panel, withBitmap(ViewBitmap, [](SkinBitmap* b) {
                     return new FilmstripView({270, 50, 300, 80}, nullptr, 0, 4, 30, b, {0, 0});
                 }));
    view->setValue(0.5f);

    SkinBitmap* face = new SkinBitmap(KnobFaceBitmap);
    knob = place(panel, withBitmap(KnobHandleBitmap, [this, face](SkinBitmap* handle) {
                     return new RotaryKnob({10, 120, 58, 168}, this, TagKnob, face, handle, {0, 0});
                 }));
    face->release();
    knob->setValue(0.5f);
    stripKnob = place(panel, withBitmap(KnobStripBitmap, [this](SkinBitmap* b) {
                          return new FilmstripKnob({70, 124, 110, 164}, this, TagStripKnob, 5, 40, b, {0, 0});
                      }));
    stripKnob->setValue(0.25f);
    verticalSwitch =
        place(panel, withBitmap(VerticalSwitchBitmap, [this](SkinBitmap* b) {
                  return new VerticalStepSwitch({120, 120, 140, 150}, this, TagVerticalSwitch, 3, 30, 3, b, {0, 0});
              }));
    verticalSwitch->setValue(0.5f);
    horizontalSwitch =
        place(panel, withBitmap(HorizontalSwitchBitmap, [this](SkinBitmap* b) {
                  return new HorizontalStepSwitch({150, 120, 210, 140}, this, TagHorizontalSwitch, 3, 20, 3, b, {0, 0});
              }));

    SkinBitmap* ledsOff = new SkinBitmap(MeterOffBitmap);
    meter = place(panel, withBitmap(MeterOnBitmap, [ledsOff](SkinBitmap* on) {
                      return new LevelMeter({220, 118, 236, 218}, on, ledsOff, 10, 0);
                  }));
    ledsOff->release();
    meter->setValue(0.7f);

    decibels = place(panel, new ValueDisplay({250, 130, 350, 152}, nullptr, displaySunken | displayShadow));
    decibels->setValueToText(asDecibels);
    decibels->setBackColour({200, 205, 215});
    decibels->setFrameColour({20, 24, 32});
    decibels->setFontColour({20, 24, 32});
    decibels->setShadowColour({150, 155, 170});
    decibels->setFontIndex(0);
    decibels->setMinimum(-60.0f);
    decibels->setValue(-6.0f);

    const struct {
        PixelRect rect;
        const char* text;
    } captions[] = {
        {{10, 31, 90, 43}, "value display"},
        {{100, 31, 190, 43}, "text field"},
        {{200, 31, 290, 43}, "choice menu"},
        {{296, 31, 342, 43}, "digits"},
        {{6, 84, 54, 96}, "latch"},
        {{60, 84, 120, 96}, "three-way"},
        {{126, 84, 168, 96}, "toggle"},
        {{168, 84, 228, 96}, "momentary"},
        {{228, 84, 266, 96}, "frames"},
        {{268, 84, 304, 96}, "view"},
        {{6, 172, 62, 184}, "knob"},
        {{62, 172, 118, 184}, "filmstrip"},
        {{118, 172, 214, 184}, "step switches"},
        {{240, 206, 290, 218}, "meter"},
        {{250, 155, 350, 167}, "sunken, shadow"},
    };
    for (const auto& c : captions)
        caption(panel, c.rect, c.text);
    return 1;
}

void GalleryEditor::closeWindow()
{
    if (panel != nullptr)
        panel->destroy();
    panel = nullptr;
}

void GalleryEditor::valueChanged(Painter& painter, Control* control)
{
    GalleryHost::instance().reports.push_back({control->getTag(), control->getValue()});
    control->redrawIfChanged(painter);
}
