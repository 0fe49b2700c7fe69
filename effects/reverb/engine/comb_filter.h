// A lowpass-feedback comb, one of the tank's twenty. The delay line belongs
// to the engine; the comb only points at it. Feedback and damping weights are
// written by the thread that changes a setting and read by the audio thread.
#pragma once

#include "framework/relaxed_value.h"

#include <cstdint>

class CombFilter {
public:
    void attach(float* storage, std::int32_t lengthInSamples);
    void setFeedback(float value) { feedback = value; }
    // The filter store keeps `damping` of itself and takes the rest from the line.
    void setDamping(float damping);
    void clearBuffer();

    // One sample: returns the (flushed) delayed sample, not the filter store.
    float process(float input);

    RelaxedValue<float> feedback{0.0f};
    float filterStore = 0.0f;
    RelaxedValue<float> dampingWeight1{0.0f};
    RelaxedValue<float> dampingWeight2{1.0f};
    float* buffer = nullptr;
    std::int32_t length = 0;
    std::int32_t index = 0;
};
