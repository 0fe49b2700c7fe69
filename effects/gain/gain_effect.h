// GainEffect: a stereo gain stage. Each channel is multiplied by its own
// linear factor, shown to the host in decibels. The factors are the host's
// values as they come: nothing clamps them.
#pragma once

#include "framework/plug_effect2.h"
#include "framework/relaxed_value.h"

class GainEffect : public PlugEffect2 {
public:
    explicit GainEffect(HostCallback host);

    void setParam(std::int32_t index, float value) override;
    float getParam(std::int32_t index) override;
    void processAdding(float** inputs, float** outputs, std::int32_t frames) override;
    void processOverwriting(float** inputs, float** outputs, std::int32_t frames) override;
    void renameProgram(char* text) override;
    void copyProgramName(char* text) override;
    void copyParamUnit(std::int32_t index, char* text) override;
    void copyParamValueText(std::int32_t index, char* text) override;
    void copyParamTitle(std::int32_t index, char* text) override;
    PlugInt category() override;
    bool copyEffectName(char* text) override;
    bool copyVendorText(char* text) override;
    bool copyProductText(char* text) override;
    PlugInt vendorVersion() override;

private:
    // Written by the host's parameter thread, read per sample by the audio thread.
    RelaxedValue<float> leftGain{1.0f};
    RelaxedValue<float> rightGain{1.0f};
    char programName[32];
};
