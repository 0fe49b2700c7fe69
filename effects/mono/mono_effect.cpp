#include "effects/mono/mono_effect.h"

#include "framework/host_text.h"

MonoEffect::MonoEffect(HostCallback host)
    : UtilityEffect(host, 1, fourCharCode("QZ01"), "ZOV Mono", "ZOV Audio Product Mono")
{
}

void MonoEffect::setParam(std::int32_t, float value)
{
    gain = value;
}

float MonoEffect::getParam(std::int32_t)
{
    return gain;
}

namespace {

// Each channel is scaled before the sum, and the sum is halved. Both inputs
// are read before any output is written, so hosts may process in place.
inline float monoSample(float left, float right, float gain)
{
    return (right * gain + left * gain) / 2.0f;
}

} // namespace

// The gain is read once a block: another thread's change is not ordered
// against this loop, so the next block is as soon as a per-sample read may
// see it, and the loop vectorises.
void MonoEffect::processAdding(float** inputs, float** outputs, std::int32_t frames)
{
    const float* inLeft = inputs[0];
    const float* inRight = inputs[1];
    float* outLeft = outputs[0];
    float* outRight = outputs[1];
    const float g = gain;
    for (std::int32_t i = 0; i < frames; ++i) {
        const float m = monoSample(inLeft[i], inRight[i], g);
        outLeft[i] = outLeft[i] + m;
        outRight[i] = outRight[i] + m;
    }
}

void MonoEffect::processOverwriting(float** inputs, float** outputs, std::int32_t frames)
{
    const float* inLeft = inputs[0];
    const float* inRight = inputs[1];
    float* outLeft = outputs[0];
    float* outRight = outputs[1];
    const float g = gain;
    for (std::int32_t i = 0; i < frames; ++i) {
        const float m = monoSample(inLeft[i], inRight[i], g);
        outLeft[i] = m;
        outRight[i] = m;
    }
}

void MonoEffect::copyParamValueText(std::int32_t, char* text)
{
    decibelText(gain, text);
}

void MonoEffect::copyParamTitle(std::int32_t, char* text)
{
    copyHostText(text, "Gain ", ParamTextMax);
}
