// Where everything sits on the 512 x 256 reverb panel, in panel pixels with
// the origin at the top left. The editor builds its widgets from these
// tables and the artwork generator draws the labels and marks around the
// same anchors, so the two cannot drift apart.
#pragma once

#include "effects/reverb/editor/skin_ids.h"
#include "effects/reverb/reverb_values.h"

constexpr int PanelWidth = 512;
constexpr int PanelHeight = 256;

// A value slider: a bar with a minus mark on its left, a plus mark on its
// right and a readout box; the label (Windows-1252) sits above the bar.
struct SliderSpec {
    const char* label;
    int x;
    int y;
    float minimum;
    float maximum;
    const char* format;
    const char* unit;
    bool panText;
    ReverbParam param;
};

constexpr int SliderTotal = 10;
// The first four of the right column belong to the gate.
constexpr int FirstGateSlider = 6;
constexpr int ThresholdSlider = 6;
constexpr int PanSlider = 5;

constexpr SliderSpec SliderLayout[SliderTotal] = {
    {"Tama\xF1o", 18, 52, 3.0f, 200.0f, "%3.0f", "", false, RoomSize},
    {"Amortiguaci\xF3n", 18, 81, 0.0f, 100.0f, "%3.0f", " %", false, Damping},
    {"Retardo", 18, 109, 0.0f, 100.0f, "%3.0f", " ms", false, PreDelay},
    {"Filtro PasaAltos", 18, 137, 0.0f, 100.0f, "%2.0f", " %", false, HighPass},
    {"Filtro PasaBajos", 18, 166, 0.0f, 100.0f, "%2.0f", " %", false, LowPass},
    {"Panorama", 18, 194, 0.0f, 40.0f, "%2.0f", "", true, Panorama},
    // The threshold shows dB below full scale as negative numbers.
    {"Umbral", 196, 52, -70.0f, -1.0f, "%3.0f", " dB", false, GateThreshold},
    {"Ataque", 196, 81, 1.0f, 50.0f, "%2.0f", " ms", false, GateAttack},
    {"Duraci\xF3n", 196, 109, 5.0f, 500.0f, "%3.0f", " ms", false, GateHold},
    {"Decaimiento", 196, 137, 5.0f, 500.0f, "%3.0f", " ms", false, GateRelease},
};

// Clicking the "Panorama" label (strictly inside) centres the pan.
struct PanelZone {
    int left;
    int top;
    int right;
    int bottom;
};
constexpr PanelZone PanLabelZone = {47, 179, 101, 191};

// A level fader: a cap that slides over a track, with a readout below.
struct FaderSpec {
    const char* label;
    int x;
    int y;
    SkinId cap;
    SkinId track;
    int trackOffset;
    ReverbParam param;
};

constexpr int FaderTotal = 2;
constexpr FaderSpec FaderLayout[FaderTotal] = {
    {"Seco", 369, 44, SkinDryCap, SkinDryTrack, 0, DryLevel},
    {"Reverb", 409, 44, SkinWetCap, SkinWetTrack, -2, WetLevel},
};

struct ButtonSpec {
    const char* label;
    int x;
    int y;
    int width;
    int height;
    SkinId on;
    SkinId off;
};

constexpr ButtonSpec MuteButtonSpec = {"MUTE", 10, 223, 43, 22, SkinMuteOn, SkinMuteOff};
constexpr ButtonSpec TailButtonSpec = {"COLA", 62, 223, 43, 22, SkinTailOn, SkinTailOff};
// The hit area is larger than its 24 x 17 bitmaps.
constexpr ButtonSpec GateButtonSpec = {"", 328, 14, 43, 22, SkinGateOn, SkinGateOff};

struct SelectorSpec {
    int x;
    int y;
    int width;
    int height;
};
constexpr SelectorSpec QualitySpec = {249, 165, 104, 19};

// The two output meters are drawn by the timer, not by widgets.
constexpr int MeterLeftX = 449;
constexpr int MeterRightX = 480;
constexpr int MeterTop = 34;
constexpr int MeterWidth = 17;
constexpr int MeterHeight = 169;

// The sizes of the skin bitmaps.
struct SkinSize {
    int width;
    int height;
};

constexpr SkinSize skinSize(SkinId id)
{
    switch (id) {
    case SkinPanel: return {512, 256};
    case SkinReadout:
    case SkinReadoutDisabled: return {39, 20};
    case SkinFaderReadout: return {37, 21};
    case SkinDryCap:
    case SkinWetCap: return {20, 34};
    case SkinDryTrack:
    case SkinWetTrack: return {20, 195};
    case SkinMeterLit: return {17, 169};
    case SkinMeterUnlit: return {17, 170};
    case SkinMuteOn:
    case SkinMuteOff:
    case SkinTailOn:
    case SkinTailOff: return {43, 22};
    case SkinGateOn:
    case SkinGateOff: return {24, 17};
    case SkinQuality1:
    case SkinQuality2:
    case SkinQuality3:
    case SkinQuality4: return {26, 19};
    case SkinQualityStrip: return {104, 19};
    }
    return {0, 0};
}
