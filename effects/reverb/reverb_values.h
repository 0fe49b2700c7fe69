// The reverb's sixteen parameters in native units (milliseconds, percent,
// fader steps, dB below full scale, switch states), and a program: a set of
// values with a name. Field order and widths are those the panel and the
// preset table use; GateThreshold comes before GateAttack here although its
// parameter number is higher.
#pragma once

#include <cstdint>

enum ReverbParam : std::int32_t {
    GateOn = 0,
    TailHold = 1,
    RoomSize = 2,
    Damping = 3,
    PreDelay = 4,
    HighPass = 5,
    GateAttack = 6,
    GateThreshold = 7,
    GateHold = 8,
    GateRelease = 9,
    WetLevel = 10,
    DryLevel = 11,
    LowPass = 12,
    Quality = 13,
    Panorama = 14,
    Reserved15 = 15,
    ReverbParamCount = 16,
};

struct ReverbValues {
    std::int16_t gateOn;
    std::int16_t tailHold;
    std::uint8_t roomSize;
    std::uint8_t damping;
    std::uint8_t preDelay;
    std::uint8_t highPass;
    std::uint8_t gateThreshold;
    std::uint8_t gateAttack;
    std::uint16_t gateHold;
    std::uint16_t gateRelease;
    std::uint8_t wetLevel;
    std::uint8_t dryLevel;
    std::uint16_t lowPass;
    std::uint8_t quality;
    std::uint8_t panorama;
    std::uint32_t reserved15;
};

// Names hold up to 24 characters of Windows-1252 text.
constexpr int ReverbProgramNameMax = 24;

struct ReverbProgram {
    ReverbValues values;
    char name[ReverbProgramNameMax + 1];
};

constexpr int ReverbProgramCount = 25;
