// Speaker layouts exchanged with the host by pointer, so laid out exactly:
// a layout type, a channel count, then one 112-byte record per channel.
#pragma once

#include <cstddef>
#include <cstdint>

struct SpeakerInfo {
    float azimuth;
    float elevation;
    float radius;
    float reserved;
    char name[64];
    std::int32_t speakerType;
    char reservedBytes[28];
};

struct SpeakerLayout {
    std::int32_t layoutType;
    std::int32_t channelCount;
    SpeakerInfo speakers[1]; // channelCount records follow in the same block
};

static_assert(sizeof(SpeakerInfo) == 112);
static_assert(offsetof(SpeakerInfo, azimuth) == 0);
static_assert(offsetof(SpeakerInfo, elevation) == 4);
static_assert(offsetof(SpeakerInfo, radius) == 8);
static_assert(offsetof(SpeakerInfo, reserved) == 12);
static_assert(offsetof(SpeakerInfo, name) == 16);
static_assert(offsetof(SpeakerInfo, speakerType) == 80);
static_assert(offsetof(SpeakerInfo, reservedBytes) == 84);
static_assert(offsetof(SpeakerLayout, layoutType) == 0);
static_assert(offsetof(SpeakerLayout, channelCount) == 4);
static_assert(offsetof(SpeakerLayout, speakers) == 8);

// Bytes a layout of the given channel count occupies.
constexpr std::size_t speakerLayoutBytes(std::int32_t channels)
{
    return 112 * static_cast<std::size_t>(channels) + 8;
}
