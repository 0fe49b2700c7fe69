#include "reference_reverb.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

namespace {

float flushed(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, 4);
    if ((bits & 0x7f800000u) == 0)
        return 0.0f;
    return x;
}

// NaN, infinities and denormals enter as +0.0; magnitudes above 1e20 enter
// as 1e20.
float entering(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, 4);
    if ((bits & 0x7f800000u) == 0x7f800000u || (bits & 0x7f800000u) == 0)
        return 0.0f;
    return x > 1.0e20f ? 1.0e20f : (x < -1.0e20f ? -1.0e20f : x);
}

float magnitude(float x)
{
    if (x <= 0.0f)
        return -x;
    return x;
}

const std::int32_t combLeft[10] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617, 1680, 1046};
const std::int32_t allpassLeft[4] = {556, 441, 341, 225};

}  // namespace

float ReferenceComb::step(float s)
{
    const float out = flushed(buffer[index]);
    filterStore = out * dampingWeight2 + filterStore * dampingWeight1;
    filterStore = flushed(filterStore);
    buffer[index] = s + filterStore * feedback;
    index = index + 1;
    if (index >= length)
        index = 0;
    return out;
}

float ReferenceAllpass::step(float s)
{
    const float b = flushed(buffer[index]);
    buffer[index] = b * feedback + s;
    index = index + 1;
    if (index >= length)
        index = 0;
    return b - s;
}

ReferenceReverb::ReferenceReverb()
{
    for (int i = 0; i < 10; ++i) {
        leftCombs[i].filterStore = 0.0f;
        leftCombs[i].index = 0;
        rightCombs[i].filterStore = 0.0f;
        rightCombs[i].index = 0;
    }
    for (int i = 0; i < 4; ++i) {
        leftAllpasses[i].index = 0;
        rightAllpasses[i].index = 0;
    }
    gateHoldCounter = 0;
    gateState = 0;
    muted = false;
    gateEnabled = false;
    preDelay = new float[4410];
    highPassAmount = 0.5f;
    lowPassAmount = 0.5f;
    preDelayIndex = 0;
    gateLevel = 0.0f;
    for (float& x : highPassHistory)
        x = 0.0f;
    lowPassState[0] = 0.0f;
    lowPassState[1] = 0.0f;
    for (int i = 0; i < 4410; ++i)
        preDelay[i] = 0.0f;
    float* line = combStorage;
    for (int i = 0; i < 10; ++i) {
        leftCombs[i].buffer = line;
        leftCombs[i].length = combLeft[i];
        line += combLeft[i];
        rightCombs[i].buffer = line;
        rightCombs[i].length = combLeft[i] + 23;
        line += combLeft[i] + 23;
    }
    line = allpassStorage;
    for (int i = 0; i < 4; ++i) {
        leftAllpasses[i].buffer = line;
        leftAllpasses[i].length = allpassLeft[i];
        leftAllpasses[i].feedback = 0.5f;
        line += allpassLeft[i];
        rightAllpasses[i].buffer = line;
        rightAllpasses[i].length = allpassLeft[i] + 23;
        rightAllpasses[i].feedback = 0.5f;
        line += allpassLeft[i] + 23;
    }
    setWet(1.0f / 3.0f);
    setRoomSize(0.5f);
    setDry(0.0f);
    setDamping(0.5f);
    setTailHold(0.0f);
    clearTank();
    peakLeft = 0.0f;
    peakRight = 0.0f;
}

ReferenceReverb::~ReferenceReverb() { delete[] preDelay; }

void ReferenceReverb::setRoomSize(float x)
{
    const double value = std::log10(20.0 * x + 1.0) * 0.33 * 0.7563 + 0.65;
    roomSize = static_cast<float>(value);
    applyTankSettings();
}

void ReferenceReverb::setDamping(float x)
{
    damping = 0.55f * x;
    applyTankSettings();
}

void ReferenceReverb::setWet(float x) { wetGain = 3.0f * x; }

void ReferenceReverb::setDry(float x) { dryGain = 2.0f * x; }

void ReferenceReverb::setTailHold(float mode)
{
    tailHoldMode = mode;
    applyTankSettings();
}

float ReferenceReverb::isTailHeld() const
{
    if (tailHoldMode >= 0.5f)
        return 1.0f;
    return 0.0f;
}

void ReferenceReverb::applyTankSettings()
{
    if (tailHoldMode >= 0.5f) {
        effectiveFeedback = 1.0f;
        effectiveDamping = 0.0f;
        inputGain = 0.0f;
    } else {
        effectiveFeedback = roomSize;
        effectiveDamping = damping;
        inputGain = 0.015f;
    }
    for (int i = 0; i < 10; ++i) {
        for (ReferenceComb* comb : {&leftCombs[i], &rightCombs[i]}) {
            comb->feedback = effectiveFeedback;
            comb->dampingWeight1 = effectiveDamping;
            comb->dampingWeight2 = 1.0f - effectiveDamping;
        }
    }
}

void ReferenceReverb::clearTank()
{
    if (isTailHeld() >= 0.5f)
        return;
    for (int i = 0; i < 10; ++i) {
        for (int k = 0; k < leftCombs[i].length; ++k)
            leftCombs[i].buffer[k] = 0.0f;
        for (int k = 0; k < rightCombs[i].length; ++k)
            rightCombs[i].buffer[k] = 0.0f;
    }
    for (int i = 0; i < 4; ++i) {
        for (int k = 0; k < leftAllpasses[i].length; ++k)
            leftAllpasses[i].buffer[k] = 0.0f;
        for (int k = 0; k < rightAllpasses[i].length; ++k)
            rightAllpasses[i].buffer[k] = 0.0f;
    }
}

void ReferenceReverb::clearPreDelay()
{
    for (int i = 0; i < 4410; ++i)
        preDelay[i] = 0.0f;
}

void ReferenceReverb::processOverwriting(float** inputs, float** outputs, std::int32_t frames)
{
    process(inputs, outputs, frames, false);
}

void ReferenceReverb::processAdding(float** inputs, float** outputs, std::int32_t frames)
{
    process(inputs, outputs, frames, true);
}

void ReferenceReverb::process(float** inputs, float** outputs, std::int32_t frames, bool adding)
{
    if (frames <= 0)
        return;

    // Block start.
    const std::uint16_t length = preDelayLength;
    std::uint16_t index = preDelayIndex;
    const bool gateOn = gateEnabled;
    const float threshold = gateThreshold;
    const float attack = gateAttackStep;
    const float release = gateReleaseStep;
    const std::uint16_t hold = gateHoldLength;
    float level = gateLevel;
    std::uint8_t state = gateState;
    float history[6];
    for (int i = 0; i < 6; ++i)
        history[i] = highPassHistory[i];
    float yLeft = lowPassState[0];
    float yRight = lowPassState[1];
    float peakL = peakLeft;
    float peakR = peakRight;
    const int pairs = combCount;
    float w = wetGain;
    if (pairs == 8)
        w = wetGain * 1.1f;
    if (pairs == 6)
        w = wetGain * 1.4f;
    if (pairs == 4)
        w = wetGain * 1.7f;
    const float dryHalf = dryGain * 0.5f;
    const float inputHalf = inputGain * 0.5f;
    const float lw = (lowPassAmount + 0.005525f) * 200.0f;
    const float a0 = 2.0f / (lw + 1.0f);
    const float b1 = (1.0f - lw) / (lw + 1.0f);
    const float gL = static_cast<float>(40 - panorama) / 20.0f;
    const float gR = static_cast<float>(panorama) / 20.0f;

    for (std::int32_t n = 0; n < frames; ++n) {
        const float rawL = inputs[0][n];
        const float rawR = inputs[1][n];
        const float inL = entering(rawL);
        const float inR = entering(rawR);

        // 1. Pre-delay output.
        const float s = preDelay[index];

        // 2. Tank.
        float sumL = 0.0f;
        float sumR = 0.0f;
        for (int i = 0; i < pairs && i < 10; ++i) {
            sumL += leftCombs[i].step(s);
            sumR += rightCombs[i].step(s);
        }
        float outL = sumL;
        for (int i = 0; i < 4; ++i)
            outL = leftAllpasses[i].step(outL);
        float wetL = outL * w;
        float outR = sumR;
        for (int i = 0; i < 4; ++i)
            outR = rightAllpasses[i].step(outR);
        float wetR = outR * w;

        // 3. Gate.
        if (gateOn) {
            const float d = magnitude(s);
            if (d > threshold)
                state = 0;
            if (state == 0) {
                if (level < 1.0f) {
                    level += attack;
                } else {
                    level = 1.0f;
                    state = 1;
                    gateHoldCounter = hold;
                }
            } else if (state == 1) {
                const std::uint16_t c = gateHoldCounter;
                gateHoldCounter = static_cast<std::uint16_t>(c - 1);
                if (c == 0)
                    state = 2;
            } else if (state == 2) {
                if (level <= 0.0f)
                    level = 0.0f;
                else
                    level -= release;
            }
            wetL *= level;
            wetR *= level;
        }

        // 4. High-pass.
        const float c = highPassAmount;
        const float hL = wetL - c * (3.0f * history[0] + 2.0f * history[1] + history[2]);
        const float hR = wetR - c * (3.0f * history[3] + 2.0f * history[4] + history[5]);

        // 5. Low-pass.
        yLeft = hL * a0 - b1 * yLeft + 1e-11f;
        yRight = hR * a0 - b1 * yRight + 1e-11f;

        // 6. Dry and balance.
        const float resultL = dryHalf * inL + yLeft * gL;
        const float resultR = dryHalf * inR + yRight * gR;

        // 7. Peaks.
        if (magnitude(resultL) > peakL)
            peakL = magnitude(resultL);
        if (magnitude(resultR) > peakR)
            peakR = magnitude(resultR);

        // 8. High-pass history.
        history[2] = history[1];
        history[1] = history[0];
        history[0] = wetL;
        history[5] = history[4];
        history[4] = history[3];
        history[3] = wetR;

        // 9. Pre-delay input.
        preDelay[index] = (inL + inR) * inputHalf;
        index = static_cast<std::uint16_t>(index + 1);
        if (index >= length)
            index = 0;

        // 10. Output.
        if (!muted) {
            if (adding) {
                outputs[0][n] += resultL;
                outputs[1][n] += resultR;
            } else {
                outputs[0][n] = resultL;
                outputs[1][n] = resultR;
            }
        } else if (!adding) {
            outputs[0][n] = rawL;
            outputs[1][n] = rawR;
        }
    }

    // Block end.
    preDelayIndex = index;
    gateLevel = level;
    gateState = state;
    for (int i = 0; i < 6; ++i)
        highPassHistory[i] = history[i];
    lowPassState[0] = yLeft;
    lowPassState[1] = yRight;
    peakLeft = peakL;
    peakRight = peakR;
}
