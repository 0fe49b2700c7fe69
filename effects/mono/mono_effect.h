// MonoEffect: folds a stereo input to mono (the average of the two channels,
// each scaled by one gain) and sends it to both outputs. Its one parameter
// answers to every index.
#pragma once

#include "effects/utility/utility_effect.h"
#include "framework/relaxed_value.h"

class MonoEffect : public UtilityEffect {
public:
    explicit MonoEffect(HostCallback host);

    void setParam(std::int32_t index, float value) override;
    float getParam(std::int32_t index) override;
    void processAdding(float** inputs, float** outputs, std::int32_t frames) override;
    void processOverwriting(float** inputs, float** outputs, std::int32_t frames) override;
    void copyParamValueText(std::int32_t index, char* text) override;
    void copyParamTitle(std::int32_t index, char* text) override;

private:
    // Written by the host's parameter thread, read once a block by the audio thread.
    RelaxedValue<float> gain{1.0f};
};
