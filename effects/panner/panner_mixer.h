// The panner's audio loop: one block of four inputs mixed into ten outputs.
// Each output sample is the sum over the inputs, in input order, of
// (input sample x input gain) x weight, every product and sum in float.
// Adding mixes that sum onto what the output holds; overwriting stores it.
#pragma once

#include "effects/panner/pan_law.h"
#include "effects/panner/panner_program.h"

#include <cstdint>

// The gains and weights one block is mixed with.
struct MixSettings {
    float gain[PannerInputs];
    float weight[PannerInputs][PannerOutputs];
};

// Blocks of zero frames or fewer write nothing. Outputs may be the same
// buffers as inputs (hosts that process in place).
void mixOverwriting(const MixSettings& settings, float** inputs, float** outputs, std::int32_t frames);
void mixAdding(const MixSettings& settings, float** inputs, float** outputs, std::int32_t frames);
