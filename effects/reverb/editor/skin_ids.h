// The resource numbers of the reverb panel's skin bitmaps, and the order in
// which an opening loads them. The artwork generator names its files after
// the same table.
#pragma once

enum SkinId : int {
    SkinReadout = 132,
    SkinMeterLit = 133,
    SkinMeterUnlit = 134,
    SkinFaderReadout = 135,
    SkinDryCap = 136,
    SkinWetCap = 137,
    SkinDryTrack = 140,
    SkinWetTrack = 141,
    SkinMuteOn = 142,
    SkinMuteOff = 143,
    SkinTailOn = 144,
    SkinTailOff = 145,
    SkinGateOn = 146,
    SkinGateOff = 147,
    SkinQuality1 = 148,
    SkinQuality2 = 149,
    SkinQuality3 = 150,
    SkinQuality4 = 151,
    SkinQualityStrip = 152,
    SkinReadoutDisabled = 155,
    SkinPanel = 156,
};

constexpr int SkinCount = 21;

// Only the last one, the panel, is checked after loading.
constexpr SkinId SkinLoadOrder[SkinCount] = {
    SkinMeterLit,  SkinMeterUnlit, SkinReadout,  SkinFaderReadout, SkinDryCap,   SkinWetCap,
    SkinDryTrack,  SkinWetTrack,   SkinMuteOn,   SkinMuteOff,      SkinTailOn,   SkinTailOff,
    SkinGateOn,    SkinGateOff,    SkinReadoutDisabled, SkinQuality1, SkinQuality2, SkinQuality3,
    SkinQuality4,  SkinQualityStrip, SkinPanel,
};

// Position of a skin in SkinLoadOrder, or -1.
constexpr int skinSlot(SkinId id)
{
    for (int i = 0; i < SkinCount; ++i)
        if (SkinLoadOrder[i] == id)
            return i;
    return -1;
}
