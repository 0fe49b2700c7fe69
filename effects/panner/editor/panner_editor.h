// PannerEditor: the Corvelan panel. One row per input, each a blue pan
// fader over the strip of the ten numbered outputs and a pink gain fader,
// and a question-mark box that pops up the about picture. It is the
// listener of its own controls: a moved fader sets the effect's parameter
// and tells the host; a parameter changed elsewhere (automation, programs)
// moves the fader, drawn on the next idle.
//
// The background lives as long as the editor (the host asks the size at
// any time); the control bitmaps only while the panel is open.
#pragma once

#include "toolkit/controls/control_listener.h"
#include "toolkit/core/toolkit_editor.h"

#include <cstdint>

class HorizontalFader;
class SkinBitmap;
class SplashBox;

class PannerEditor : public ToolkitEditor, public ControlListener {
public:
    static constexpr std::int32_t Inputs = 4;
    static constexpr std::int32_t AboutTag = 9;

    // Attaches itself to the effect.
    explicit PannerEditor(PlugEffect* effect);

    std::int32_t openWindow(void* parent) override;
    void closeWindow() override;
    void parameterChanged(std::int32_t index, float value) override;
    void valueChanged(Painter& painter, Control* control) override;

    // Valid only while the panel is open.
    HorizontalFader* panFader(std::int32_t input) const { return panFaders[input]; }
    HorizontalFader* gainFader(std::int32_t input) const { return gainFaders[input]; }
    SplashBox* aboutPicture() const { return aboutBox; }
    SkinBitmap* background() const { return panelBackground; }

protected:
    ~PannerEditor() override;

private:
    void loadControlBitmaps();
    void releaseControlBitmaps();
    // Adds to the panel, or destroys the control when the panel cannot take it.
    template <typename C>
    C* place(C* control);

    HorizontalFader* panFaders[Inputs] = {};
    HorizontalFader* gainFaders[Inputs] = {};
    SplashBox* aboutBox = nullptr;
    SkinBitmap* panelBackground = nullptr;
    SkinBitmap* panTrack = nullptr;
    SkinBitmap* panHandle = nullptr;
    SkinBitmap* gainTrack = nullptr;
    SkinBitmap* gainHandle = nullptr;
};
