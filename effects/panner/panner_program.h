// PannerProgram: one preset of the panner, the pan and gain of each input
// and a name. Programs live in memory only; hosts save the plug-in through
// its parameter values.
#pragma once

constexpr int PannerInputs = 4;

// A program name holds at most this many characters (plus the terminator).
constexpr int PannerProgramNameLength = 23;

struct PannerProgram {
    float pan[PannerInputs] = {0.0f, 0.0f, 0.0f, 0.0f};
    float gain[PannerInputs] = {1.0f, 1.0f, 1.0f, 1.0f};
    char name[PannerProgramNameLength + 1] = "Init";
};
