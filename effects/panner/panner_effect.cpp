#include "effects/panner/panner_effect.h"

#include "framework/host_text.h"
#include "framework/plug_editor.h"

#include <cstdio>
#include <cstring>

namespace {

// Byte-exact texts the host shows; hosts line them up by these spaces.
constexpr const char* ParamName[PannerEffect::ParamCount] = {
    " pan1 ", " pan2 ", " pan3 ", " pan4 ", " Main1 ", " Main2 ", " Main3 ", " Main4 ",
};
constexpr const char* ParamLabel[PannerEffect::ParamCount] = {
    " pan1", " pan2  ", " pan3  ", " pan4  ", " Main1 ", " Main2 ", " Main3 ", " Main4 ",
};

bool isParam(std::int32_t index)
{
    return index >= 0 && index < PannerEffect::ParamCount;
}

} // namespace

PannerEffect::PannerEffect(HostCallback host) : PlugEffect2(host, ProgramCount, ParamCount)
{
    // Fills every parameter and every weight before the first audio call.
    // Still PannerEffect's own setParam: no editor exists yet.
    selectProgram(0);
    setInputCount(PannerInputs);
    setOutputCount(PannerOutputs);
    declareMeter(true);
    declareOverwriting(true);
    setEffectId(fourCharCode("PLNP"));
}

void PannerEffect::setPan(std::int32_t input, float position)
{
    if (input < 0 || input >= PannerInputs)
        return;
    panPosition[input] = position;
    float weights[PannerOutputs];
    panWeights(position, weights);
    for (int n = 0; n < PannerOutputs; ++n)
        outputWeight[input][n] = weights[n];
}

void PannerEffect::setInputGain(std::int32_t input, float gain)
{
    if (input < 0 || input >= PannerInputs)
        return;
    inputGain[input] = gain;
}

float PannerEffect::weight(std::int32_t input, std::int32_t output) const
{
    if (input < 0 || input >= PannerInputs || output < 0 || output >= PannerOutputs)
        return 0.0f;
    return outputWeight[input][output];
}

void PannerEffect::setParam(std::int32_t index, float value)
{
    if (index >= 0 && index < PannerInputs)
        setPan(index, value);
    else if (index >= PannerInputs && index < ParamCount)
        setInputGain(index - PannerInputs, value);
    if (PlugEditor* editor = attachedEditor())
        editor->postRefresh();
}

float PannerEffect::getParam(std::int32_t index)
{
    if (index >= 0 && index < PannerInputs)
        return panPosition[index];
    if (index >= PannerInputs && index < ParamCount)
        return inputGain[index - PannerInputs];
    return 0.0f;
}

// The gains and weights are read once per block, so a change made during a
// block applies from the next one.
MixSettings PannerEffect::blockSettings() const
{
    MixSettings settings;
    for (int j = 0; j < PannerInputs; ++j) {
        settings.gain[j] = inputGain[j];
        for (int n = 0; n < PannerOutputs; ++n)
            settings.weight[j][n] = outputWeight[j][n];
    }
    return settings;
}

void PannerEffect::processAdding(float** inputs, float** outputs, std::int32_t frames)
{
    if (frames > 0)
        mixAdding(blockSettings(), inputs, outputs, frames);
}

void PannerEffect::processOverwriting(float** inputs, float** outputs, std::int32_t frames)
{
    if (frames > 0)
        mixOverwriting(blockSettings(), inputs, outputs, frames);
}

// Applies the program through the virtual setParam, so that a subclass
// (the plug-in with its panel) sees every value as well.
void PannerEffect::selectProgram(std::int32_t number)
{
    if (number < 0 || number >= ProgramCount)
        return;
    PlugEffect2::selectProgram(number);
    const PannerProgram& program = programs[number];
    for (int j = 0; j < PannerInputs; ++j)
        setParam(j, program.pan[j]);
    for (int j = 0; j < PannerInputs; ++j)
        setParam(PannerInputs + j, program.gain[j]);
}

// Longer names are cut to what the record holds.
void PannerEffect::renameProgram(char* text)
{
    copyHostText(programs[programNumber].name, text, PannerProgramNameLength);
}

// An unnamed program reads "Init" followed by its number from 1.
void PannerEffect::copyProgramName(char* text)
{
    const char* name = programs[programNumber].name;
    if (std::strcmp(name, "Init") == 0) {
        char numbered[48];
        std::snprintf(numbered, sizeof numbered, "%s %d", name, static_cast<int>(programNumber + 1));
        copyHostText(text, numbered, ProgramNameMax);
    } else {
        copyHostText(text, name, ProgramNameMax);
    }
}

void PannerEffect::copyParamUnit(std::int32_t index, char* text)
{
    if (isParam(index))
        copyHostText(text, ParamLabel[index], ParamTextMax);
}

// Pans and gains show their raw value alike: no unit, no scaling.
void PannerEffect::copyParamValueText(std::int32_t index, char* text)
{
    if (isParam(index))
        numberText(getParam(index), text);
}

void PannerEffect::copyParamTitle(std::int32_t index, char* text)
{
    if (isParam(index))
        copyHostText(text, ParamName[index], ParamTextMax);
}

bool PannerEffect::copyVendorText(char* text)
{
    copyHostText(text, "Ilvaro @ Tarnovik", IdentityTextMax);
    return true;
}

bool PannerEffect::copyProductText(char* text)
{
    copyHostText(text, "Vexilo4-10", IdentityTextMax);
    return true;
}
