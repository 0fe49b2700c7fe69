#include "effects/gain/gain_effect.h"

#include "framework/host_text.h"

GainEffect::GainEffect(HostCallback host)
    : UtilityEffect(host, 2, fourCharCode("QZ02"), "ZOV Gain", "ZOV Audio Product Gain")
{
}

void GainEffect::setParam(std::int32_t index, float value)
{
    if (index == 0)
        leftGain = value;
    else if (index == 1)
        rightGain = value;
}

float GainEffect::getParam(std::int32_t index)
{
    if (index == 0)
        return leftGain;
    if (index == 1)
        return rightGain;
    return 0.0f;
}

// The gains are read once a block. Another thread's change is not ordered
// against this loop in any way, so seeing it at the next block is what a
// per-sample read may see too; reading once lets the loop vectorise.
void GainEffect::processAdding(float** inputs, float** outputs, std::int32_t frames)
{
    const float* inLeft = inputs[0];
    const float* inRight = inputs[1];
    float* outLeft = outputs[0];
    float* outRight = outputs[1];
    const float left = leftGain;
    const float right = rightGain;
    for (std::int32_t i = 0; i < frames; ++i) {
        outLeft[i] = outLeft[i] + inLeft[i] * left;
        outRight[i] = outRight[i] + inRight[i] * right;
    }
}

void GainEffect::processOverwriting(float** inputs, float** outputs, std::int32_t frames)
{
    const float* inLeft = inputs[0];
    const float* inRight = inputs[1];
    float* outLeft = outputs[0];
    float* outRight = outputs[1];
    const float left = leftGain;
    const float right = rightGain;
    for (std::int32_t i = 0; i < frames; ++i) {
        outLeft[i] = inLeft[i] * left;
        outRight[i] = inRight[i] * right;
    }
}

void GainEffect::copyParamValueText(std::int32_t index, char* text)
{
    if (index == 0)
        decibelText(leftGain, text);
    else if (index == 1)
        decibelText(rightGain, text);
    else
        copyHostText(text, "????", ParamTextMax);
}

void GainEffect::copyParamTitle(std::int32_t index, char* text)
{
    if (index == 0)
        copyHostText(text, "Left Gain", ParamTextMax);
    else if (index == 1)
        copyHostText(text, "Right Gain", ParamTextMax);
    else
        copyHostText(text, "???? Gain", ParamTextMax);
}
