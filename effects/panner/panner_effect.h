// PannerEffect: spreads four mono inputs over ten mono outputs. Each input
// has a linear gain and a pan position that crossfades it between adjacent
// outputs (pan_law.h). Eight parameters (pan 1-4, then gain 1-4) and sixteen
// programs that are presets only: moving a parameter never changes a program.
#pragma once

#include "effects/panner/pan_law.h"
#include "effects/panner/panner_mixer.h"
#include "effects/panner/panner_program.h"
#include "framework/plug_effect2.h"
#include "framework/relaxed_value.h"

#include <cstdint>

class PannerEffect : public PlugEffect2 {
public:
    static constexpr std::int32_t ProgramCount = 16;
    static constexpr std::int32_t ParamCount = 8;

    explicit PannerEffect(HostCallback host);

    // Input 0..3; other inputs are ignored. Values are stored unchanged.
    void setPan(std::int32_t input, float position);
    void setInputGain(std::int32_t input, float gain);
    // The weight with which input 0..3 reaches output 0..9.
    float weight(std::int32_t input, std::int32_t output) const;

    void setParam(std::int32_t index, float value) override;
    float getParam(std::int32_t index) override;
    void processAdding(float** inputs, float** outputs, std::int32_t frames) override;
    void processOverwriting(float** inputs, float** outputs, std::int32_t frames) override;
    void selectProgram(std::int32_t number) override;
    void renameProgram(char* text) override;
    void copyProgramName(char* text) override;
    void copyParamUnit(std::int32_t index, char* text) override;
    void copyParamValueText(std::int32_t index, char* text) override;
    void copyParamTitle(std::int32_t index, char* text) override;
    bool copyVendorText(char* text) override;
    bool copyProductText(char* text) override;

protected:
    ~PannerEffect() override = default;

private:
    MixSettings blockSettings() const;

    // Written by the host's parameter threads, read by the audio thread once
    // per block.
    RelaxedValue<float> panPosition[PannerInputs];
    RelaxedValue<float> inputGain[PannerInputs];
    RelaxedValue<float> outputWeight[PannerInputs][PannerOutputs];
    // Held inside the effect rather than allocated apart: an effect without
    // its programs cannot exist.
    PannerProgram programs[ProgramCount];
};
