// The toolkit gallery: one of each control of the text, button, switch,
// knob, animation and meter families on one panel, with the bitmaps that
// gallery_artwork.py draws. Only tests build it: window tests drive it
// with real input, and gallery_screenshot saves it for docs/.
#pragma once

#include "framework/plug_effect.h"
#include "toolkit/controls/choice_menu.h"
#include "toolkit/controls/control_listener.h"
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
#include "toolkit/core/toolkit_editor.h"

#include <functional>
#include <vector>

constexpr int GalleryWidth = 360;
constexpr int GalleryHeight = 230;

// Tags the gallery gives its controls, to tell the listener's reports apart.
enum GalleryTag : std::int32_t {
    TagText = 1,
    TagMenu,
    TagLatch,
    TagRocker,
    TagToggle,
    TagMomentary,
    TagAnimation,
    TagKnob,
    TagStripKnob,
    TagVerticalSwitch,
    TagHorizontalSwitch,
};

struct GalleryReport {
    std::int32_t tag;
    float value;
};

// Writes down every report and redraws the control, as a panel's editor
// would; the HostIdle callback plays queued steps, one a call, so a test
// can act while a control holds the mouse.
struct GalleryHost {
    std::vector<GalleryReport> reports;
    std::vector<std::function<void()>> idleSteps;
    int idles = 0;

    static GalleryHost& instance();
    static PlugInt callback(EffectRecord* effect, std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr,
                            float opt);
};

class GalleryEffect : public PlugEffect {
public:
    GalleryEffect() : PlugEffect(GalleryHost::callback, 1, 1) {}
    void processAdding(float**, float**, std::int32_t) override {}
};

class GalleryEditor : public ToolkitEditor, public ControlListener {
public:
    explicit GalleryEditor(PlugEffect* effect);

    std::int32_t openWindow(void* parent) override;
    void closeWindow() override;
    void valueChanged(Painter& painter, Control* control) override;

    PanelWindow* panelWindow() const { return panel; }

    ValueDisplay* display = nullptr;
    ValueDisplay* decibels = nullptr;
    TextField* text = nullptr;
    ChoiceMenu* menu = nullptr;
    DigitDisplay* digits = nullptr;
    LatchButton* latch = nullptr;
    ThreeWayButton* rocker = nullptr;
    FilmstripButton* toggle = nullptr;
    MomentaryButton* momentary = nullptr;
    FrameAnimation* animation = nullptr;
    FilmstripView* view = nullptr;
    RotaryKnob* knob = nullptr;
    FilmstripKnob* stripKnob = nullptr;
    VerticalStepSwitch* verticalSwitch = nullptr;
    HorizontalStepSwitch* horizontalSwitch = nullptr;
    LevelMeter* meter = nullptr;

protected:
    ~GalleryEditor() override;
};
