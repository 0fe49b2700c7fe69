// The reverb written the plain way: one sample at a time, each step in the
// order of its description, every setting read where that description reads
// it. Slow on purpose and never shipped; the shipped engine must match it
// bit for bit.
#pragma once

#include <cstdint>

struct ReferenceComb {
    float feedback = 0.0f;
    float filterStore = 0.0f;
    float dampingWeight1 = 0.0f;
    float dampingWeight2 = 0.0f;
    float* buffer = nullptr;
    std::int32_t length = 0;
    std::int32_t index = 0;

    float step(float s);
};

struct ReferenceAllpass {
    float feedback = 0.5f;
    float* buffer = nullptr;
    std::int32_t length = 0;
    std::int32_t index = 0;

    float step(float s);
};

class ReferenceReverb {
public:
    ReferenceReverb();
    ~ReferenceReverb();
    ReferenceReverb(const ReferenceReverb&) = delete;
    ReferenceReverb& operator=(const ReferenceReverb&) = delete;

    void setRoomSize(float x);
    void setDamping(float x);
    void setWet(float x);
    void setDry(float x);
    void setTailHold(float mode);
    float isTailHeld() const;
    void applyTankSettings();
    void clearTank();
    void clearPreDelay();
    void processOverwriting(float** inputs, float** outputs, std::int32_t frames);
    void processAdding(float** inputs, float** outputs, std::int32_t frames);

    std::uint16_t preDelayLength = 0;
    float highPassAmount = 0.0f;
    float lowPassAmount = 0.0f;
    float gateThreshold = 0.0f;
    float gateReleaseStep = 0.0f;
    float gateAttackStep = 0.0f;
    std::uint16_t gateHoldLength = 0;
    bool gateEnabled = false;
    std::uint8_t combCount = 10;
    std::uint8_t panorama = 20;
    float peakLeft = 0.0f;
    float peakRight = 0.0f;
    bool muted = false;
    float inputGain = 0.0f;
    float roomSize = 0.0f;
    float effectiveFeedback = 0.0f;
    float damping = 0.0f;
    float effectiveDamping = 0.0f;
    float wetGain = 0.0f;
    float dryGain = 0.0f;
    float tailHoldMode = 0.0f;
    float* preDelay = nullptr;
    std::uint16_t preDelayIndex = 0;
    float gateLevel = 0.0f;
    float highPassHistory[6] = {};
    float lowPassState[2] = {};
    std::uint16_t gateHoldCounter = 0;
    std::uint8_t gateState = 0;
    ReferenceComb leftCombs[10];
    ReferenceComb rightCombs[10];
    ReferenceAllpass leftAllpasses[4];
    ReferenceAllpass rightAllpasses[4];

private:
    void process(float** inputs, float** outputs, std::int32_t frames, bool adding);

    float combStorage[2 * 13750 + 10 * 23];
    float allpassStorage[2 * 1563 + 4 * 23];
};
