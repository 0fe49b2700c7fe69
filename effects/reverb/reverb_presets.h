// The factory bank: twelve send programs (no dry signal), their twelve
// "  (Insert)" twins with the dry level at +4 dB, and "Exterior  (Insert)".
#pragma once

#include "effects/reverb/reverb_values.h"

// Fills programs[0 .. ReverbProgramCount - 1] with the factory bank.
void fillFactoryPrograms(ReverbProgram* programs);
