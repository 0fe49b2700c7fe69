// GainFader: a vertical level fader, 0 .. 240 in steps of 0.2 dB, with its
// cap sliding over a track and the level in dB in a readout below. A press
// or drag anywhere over the track (and 15 pixels beyond its ends) puts the
// cap there.
#pragma once

#include "effects/reverb/editor/panel_layout.h"
#include "effects/reverb/editor/panel_surface.h"

#include <string>

class GainFader {
public:
    static constexpr float Minimum = 0.0f;
    static constexpr float Maximum = 240.0f;

    // Draws itself at once, at 0 dB (120).
    GainFader(PanelSurface& surface, const FaderSpec& place);

    void setValue(float next);
    bool trackAt(int px, int py);
    void draw();

    float value() const { return current; }
    // The cap's offset from the top of its travel, 0 (value 240) to 155 (0).
    int capPosition() const;
    std::string text() const;

private:
    PanelSurface& surface;
    const FaderSpec& place;
    float current = 120.0f;
};
