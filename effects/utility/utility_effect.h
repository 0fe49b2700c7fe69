// UtilityEffect: what ZOVaGain and ZOVaMono share besides their audio: two
// inputs and outputs, one program with a renamable name, " dB" units, the
// category and the vendor's identity texts.
#pragma once

#include "framework/plug_effect2.h"

class UtilityEffect : public PlugEffect2 {
public:
    // effectName and productText must outlive the effect (string literals).
    UtilityEffect(HostCallback host, std::int32_t paramCount, std::int32_t effectId, const char* effectName,
                  const char* productText);

    void renameProgram(char* text) override;
    void copyProgramName(char* text) override;
    void copyParamUnit(std::int32_t index, char* text) override;
    PlugInt category() override;
    bool copyEffectName(char* text) override;
    bool copyVendorText(char* text) override;
    bool copyProductText(char* text) override;
    PlugInt vendorVersion() override;

private:
    const char* effectName;
    const char* productText;
    char programName[32];
};
