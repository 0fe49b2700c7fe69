// The texts the panel prints in its readouts: a number in a printf format
// followed by a unit, the pan position ("L 32", "C", "R 64") and the fader
// level in dB ("mute" at the bottom).
#pragma once

#include <string>

std::string numberText(const char* format, float value, const char* unit);

// For the pan range 0 .. 40 with the centre at 20; each step is 3.2.
std::string panText(const char* format, float value);

// For a fader step 0 .. 240: 0.2 dB a step, 120 is 0 dB.
std::string faderText(float value);
