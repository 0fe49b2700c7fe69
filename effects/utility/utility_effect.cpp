#include "effects/utility/utility_effect.h"

#include "framework/host_text.h"

UtilityEffect::UtilityEffect(HostCallback host, std::int32_t paramCount, std::int32_t effectId,
                             const char* name, const char* product)
    : PlugEffect2(host, 1, paramCount), effectName(name), productText(product)
{
    setInputCount(2);
    setOutputCount(2);
    setEffectId(effectId);
    declareMono(true);
    declareOverwriting(true);
    copyHostText(programName, "Default ", sizeof programName - 1);
}

// Names of 32 characters or more are cut to what the field holds.
void UtilityEffect::renameProgram(char* text)
{
    copyHostText(programName, text, sizeof programName - 1);
}

void UtilityEffect::copyProgramName(char* text)
{
    copyHostText(text, programName, ProgramNameMax);
}

void UtilityEffect::copyParamUnit(std::int32_t, char* text)
{
    copyHostText(text, " dB", ParamTextMax);
}

PlugInt UtilityEffect::category()
{
    return 1;
}

bool UtilityEffect::copyEffectName(char* text)
{
    copyHostText(text, effectName, IdentityTextMax);
    return true;
}

bool UtilityEffect::copyVendorText(char* text)
{
    copyHostText(text, "ZOV Audio Effects", IdentityTextMax);
    return true;
}

bool UtilityEffect::copyProductText(char* text)
{
    copyHostText(text, productText, IdentityTextMax);
    return true;
}

PlugInt UtilityEffect::vendorVersion()
{
    return 1000;
}
