// Filmstrips: bitmaps whose frames are stacked vertically, frameHeight
// pixels each, and the arithmetic that picks a frame for a value. The
// frame choices are the controls' whole value-to-picture mapping, kept here
// apart from drawing so they read (and test) as plain functions.
#pragma once

#include "toolkit/core/pixel_rect.h"

#include <cstdint>

class Painter;
class SkinBitmap;

// Frame n into rect, from (origin.x, origin.y + n * frameHeight).
void drawFilmstripFrame(SkinBitmap* strip, Painter& painter, const PixelRect& rect, PixelPoint origin,
                        std::int32_t frameHeight, std::int32_t frame);

// Step switch of p positions: frame i - 1 for the first i in 1 .. p - 1
// with i / (p - 1) above the value, else the last frame.
std::int32_t stepSwitchFrame(float value, std::int32_t positions);
// The value of the band of p equal bands along length that offset falls
// in: k / (p - 1). On a boundary the higher band wins when boundaryGoesUp,
// the lower otherwise; outside the length the end bands.
float stepSwitchValue(std::int32_t offset, std::int32_t length, std::int32_t positions, bool boundaryGoesUp);
// Frame of n shown for a value: nearest frame of value (at most 1) over the strip.
std::int32_t filmstripViewFrame(float value, std::int32_t frameCount);
// Source y of a filmstrip knob: the value's share of the strip above the
// last frame, lowered to the start of its frame.
std::int32_t filmstripKnobSourceY(float value, std::int32_t frameCount, std::int32_t frameHeight);
// ThreeWayButton's frame: 0 for -1, 1 for 0, 2 for 1.
std::int32_t threeWayFrame(float value);
