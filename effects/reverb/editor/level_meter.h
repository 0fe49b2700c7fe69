// The output meters' law: a peak (1.0 is full scale) becomes a bar height
// of 0 .. 169 pixels at 3.04 pixels per dB, full scale lighting 150; the
// bar rises at once and falls by half the distance plus a pixel per tick.
#pragma once

#include "effects/reverb/editor/panel_surface.h"

#include <cstdint>

// Lit pixels for a peak: 0 for silence, 169 from about +6 dB up.
int meterTarget(float peak);

// The next shown height after one tick, from the shown one and the target.
std::int16_t nextMeterHeight(std::int16_t shown, int target);

// Draws one meter, its top at MeterTop, at x: the unlit top, then the lit
// bottom shown pixels.
void drawMeter(PanelSurface& surface, int x, int shown);
