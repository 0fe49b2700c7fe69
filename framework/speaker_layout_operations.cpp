// Speaker-layout helpers of the level-3 framework. Layout blocks come from
// the C heap, zeroed, sized for their channel count.
#include "framework/plug_effect2.h"

#if FRAMEWORK_LEVEL >= 3

#include <cstdlib>
#include <cstring>

bool PlugEffect2::allocLayout(SpeakerLayout** layout, std::int32_t channels)
{
    if (layout == nullptr)
        return false;
    if (*layout != nullptr)
        freeLayout(layout);
    if (channels < 0)
        return false;
    auto* block = static_cast<SpeakerLayout*>(std::calloc(1, speakerLayoutBytes(channels)));
    if (block == nullptr)
        return false;
    block->channelCount = channels;
    *layout = block;
    return true;
}

bool PlugEffect2::freeLayout(SpeakerLayout** layout)
{
    if (layout == nullptr)
        return true;
    std::free(*layout);
    *layout = nullptr;
    return true;
}

bool PlugEffect2::cloneSpeaker(SpeakerInfo* to, const SpeakerInfo* from)
{
    if (to == nullptr || from == nullptr)
        return false;
    std::memcpy(to->name, from->name, sizeof to->name);
    to->speakerType = from->speakerType;
    to->azimuth = from->azimuth;
    to->elevation = from->elevation;
    to->radius = from->radius;
    to->reserved = from->reserved;
    std::memcpy(to->reservedBytes, from->reservedBytes, sizeof to->reservedBytes);
    return true;
}

bool PlugEffect2::matchLayout(SpeakerLayout** layout, const SpeakerLayout* from)
{
    if (from == nullptr)
        return false;
    freeLayout(layout);
    if (!allocLayout(layout, from->channelCount))
        return false;
    (*layout)->layoutType = from->layoutType;
    for (std::int32_t channel = 0; channel < from->channelCount; ++channel)
        if (!cloneSpeaker(&(*layout)->speakers[channel], &from->speakers[channel]))
            return false;
    return true;
}

#endif
