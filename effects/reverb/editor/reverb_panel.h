// ReverbPanel: the sixteen widgets of an open reverb editor and what the
// window does with them, apart from any window system: presses and drags
// set the effect (its currentValues, then setParamAndNotify, or setMuted
// for MUTE), refresh follows the effect's values, and the meter tick turns
// the engine's peaks into bar heights. The effect holds the open panel in
// editorWidgets; the panel keeps the editor's drawing surface.
#pragma once

#include "effects/reverb/editor/gain_fader.h"
#include "effects/reverb/editor/panel_surface.h"
#include "effects/reverb/editor/quality_selector.h"
#include "effects/reverb/editor/toggle_button.h"
#include "effects/reverb/editor/value_slider.h"

#include <memory>

class ReverbEffect;

class ReverbPanel {
public:
    // Creates the widgets in layout order (each draws itself once); a widget
    // that cannot be made is left out. MUTE starts as the engine is.
    ReverbPanel(ReverbEffect& effect, std::unique_ptr<PanelSurface> surface);
    ReverbPanel(const ReverbPanel&) = delete;
    ReverbPanel& operator=(const ReverbPanel&) = delete;

    // Left button pressed at (px, py).
    void pressAt(int px, int py);
    // Mouse moved to (px, py) with the left button, and nothing else, held.
    void dragAt(int px, int py);
    // Every widget from the effect's currentValues; MUTE keeps its state.
    void refresh();
    // Draws every widget through the panel's own surface.
    void paintWidgets();
    // One meter tick, drawn through surface.
    void meterTick(PanelSurface& surface);

    ValueSlider* slider(int index) const { return sliders[index].get(); }
    GainFader* fader(int index) const { return faders[index].get(); }
    ToggleButton* muteButton() const { return mute.get(); }
    ToggleButton* tailButton() const { return tail.get(); }
    ToggleButton* gateButton() const { return gate.get(); }
    QualitySelector* qualitySelector() const { return quality.get(); }
    PanelSurface& drawingSurface() const { return *surface; }

private:
    // The sliders and faders under the pointer take its position.
    void trackValues(int px, int py);
    void storeAndNotify(std::int32_t param, float widgetValue);
    void notifySwitch(std::int32_t param, bool on);

    ReverbEffect& effect;
    std::unique_ptr<PanelSurface> surface;
    std::unique_ptr<ValueSlider> sliders[SliderTotal];
    std::unique_ptr<GainFader> faders[FaderTotal];
    std::unique_ptr<ToggleButton> mute;
    std::unique_ptr<ToggleButton> tail;
    std::unique_ptr<ToggleButton> gate;
    std::unique_ptr<QualitySelector> quality;
};
