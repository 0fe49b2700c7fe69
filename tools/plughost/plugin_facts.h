// Everything an effect tells a host about itself, gathered once in the
// order hosts ask, for info's table and its JSON alike. Texts are kept as
// the effect wrote them (Windows-1252).
#pragma once

#include "tools/plughost/host_callback.h"
#include "tools/plughost/hosted_effect.h"

#include <string>
#include <vector>

struct ParamFacts {
    std::string title;
    std::string text;
    std::string unit;
    float value;
};

struct CapabilityAnswer {
    std::string name;
    PlugInt answer;
};

struct PluginFacts {
    std::string path;
    std::int32_t effectId = 0;
    std::int32_t version = 0;
    HostedEffect::Text effectName;
    HostedEffect::Text vendor;
    HostedEffect::Text product;
    PlugInt vendorVersion = 0;
    PlugInt category = 0;
    PlugInt interfaceVersion = 0;
    std::int32_t programCount = 0;
    std::int32_t paramCount = 0;
    std::int32_t inputCount = 0;
    std::int32_t outputCount = 0;
    std::int32_t latency = 0;
    std::int32_t flags = 0;
    std::vector<ParamFacts> params;
    PlugInt currentProgram = 0;
    std::vector<std::string> programNames;
    std::vector<CapabilityAnswer> effectCapabilities; // opcode 51 on the effect-side names
    std::vector<CapabilityAnswer> hostCapabilities;   // and on the host-side names
    std::vector<AutomationEvent> automation;          // sent while asked
};

// Loads the plug-in and asks; throws HostError.
PluginFacts gatherFacts(const std::string& path);

// The record flags' names in bit order; bits without a name are left out.
std::vector<std::string> flagNames(std::int32_t flags);
// The bits flagNames() has no name for.
std::int32_t unnamedFlags(std::int32_t flags);

// "MzRv": the effect ID's four characters, '?' for unprintable ones.
std::string effectIdChars(std::int32_t id);
