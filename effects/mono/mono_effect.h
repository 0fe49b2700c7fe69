// MonoEffect: folds a stereo input to mono (the average of the two channels,
// each scaled by one gain) and sends it to both outputs. Its one parameter
// answers to every index.
#pragma once

#include "framework/plug_effect2.h"
#include "framework/relaxed_value.h"

class MonoEffect : public PlugEffect2 {
public:
    explicit MonoEffect(HostCallback host);

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
    RelaxedValue<float> gain{1.0f};
    char programName[32];
};
