// GainEffect: a stereo gain stage. Each channel is multiplied by its own
// linear factor, shown to the host in decibels. The factors are the host's
// values as they come: nothing clamps them.
#pragma once

#include "effects/utility/utility_effect.h"
#include "framework/relaxed_value.h"

class GainEffect : public UtilityEffect {
public:
    explicit GainEffect(HostCallback host);

    void setParam(std::int32_t index, float value) override;
    float getParam(std::int32_t index) override;
    void processAdding(float** inputs, float** outputs, std::int32_t frames) override;
    void processOverwriting(float** inputs, float** outputs, std::int32_t frames) override;
    void copyParamValueText(std::int32_t index, char* text) override;
    void copyParamTitle(std::int32_t index, char* text) override;

private:
    // Written by the host's parameter thread, read once a block by the audio thread.
    RelaxedValue<float> leftGain{1.0f};
    RelaxedValue<float> rightGain{1.0f};
};
