#include "tools/plughost/host_callback.h"

#include "tools/plughost/capability_table.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Hosts traditionally hand out texts of at most 63 characters.
constexpr std::size_t HostTextMax = 63;

HostContext* newEffectContext = nullptr;

HostContext* contextOf(EffectRecord* effect)
{
    if (effect != nullptr && effect->user != nullptr)
        return static_cast<HostContext*>(effect->user);
    return newEffectContext;
}

PlugInt copyText(void* ptr, const char* text)
{
    if (ptr == nullptr)
        return 0;
    const std::size_t length = std::min(std::strlen(text), HostTextMax);
    std::memcpy(ptr, text, length);
    static_cast<char*>(ptr)[length] = '\0';
    return 1;
}

} // namespace

PlugInt hostCallback(EffectRecord* effect, std::int32_t opcode, std::int32_t index, PlugInt /*value*/, void* ptr,
                     float opt)
{
    static const HostContext defaults;
    HostContext* context = contextOf(effect);
    const HostContext& facts = context != nullptr ? *context : defaults;

    switch (opcode) {
    case HostAutomate:
        if (context != nullptr)
            context->automation.push_back({index, opt});
        return 0;
    case HostVersion:
        return PlugHostVersion;
    case HostCurrentId:
        return 0;
    case HostIdle:
        return 1;
    case HostSampleRate:
        return static_cast<PlugInt>(std::lround(facts.sampleRate));
    case HostBlockSize:
        return facts.blockSize;
    case HostVendorText:
        return copyText(ptr, PlugHostVendor);
    case HostProductText:
        return copyText(ptr, PlugHostProduct);
    case HostVendorVersion:
        return 1;
    case HostSupports:
        return ptr != nullptr && hostSupports(static_cast<const char*>(ptr)) ? 1 : 0;
    case HostLanguage:
        return 1; // English
    case HostDirectory:
        return context != nullptr ? reinterpret_cast<PlugInt>(context->pluginDirectory.c_str()) : 0;
    default:
        return 0;
    }
}

void attachHostContext(EffectRecord* effect, HostContext* context)
{
    effect->user = context;
}

NewEffectContext::NewEffectContext(HostContext& context) : previous(newEffectContext)
{
    newEffectContext = &context;
}

NewEffectContext::~NewEffectContext()
{
    newEffectContext = previous;
}
