// One series all-pass section of the tank (feedback 0.5). The delay line
// belongs to the engine; the section only points at it.
#pragma once

#include <cstdint>

class AllpassFilter {
public:
    void attach(float* storage, std::int32_t lengthInSamples);
    void clearBuffer();

    // One sample.
    float process(float input);

    float feedback = 0.5f;
    float* buffer = nullptr;
    std::int32_t length = 0;
    std::int32_t index = 0;
};
