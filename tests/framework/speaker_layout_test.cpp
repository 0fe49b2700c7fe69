// Speaker-layout records and the level-3 helpers that make and copy them.
#include "tests/framework/test_effect.h"

#include <doctest.h>

#include <cstring>

#if FRAMEWORK_LEVEL >= 3

TEST_CASE("a layout block is zeroed and sized for its channels")
{
    TestEffect effect(nullptr);
    SpeakerLayout* layout = nullptr;
    REQUIRE(effect.allocLayout(&layout, 3));
    REQUIRE(layout != nullptr);
    CHECK(layout->channelCount == 3);
    CHECK(layout->layoutType == 0);
    CHECK(layout->speakers[2].speakerType == 0);
    CHECK(speakerLayoutBytes(3) == 344);
    // Allocating again releases the old block first.
    REQUIRE(effect.allocLayout(&layout, 1));
    CHECK(layout->channelCount == 1);
    CHECK(effect.freeLayout(&layout));
    CHECK(layout == nullptr);
    CHECK(effect.freeLayout(&layout));
    CHECK(layout == nullptr);
}

TEST_CASE("matchLayout copies the type and every speaker record")
{
    TestEffect effect(nullptr);
    SpeakerLayout* from = nullptr;
    REQUIRE(effect.allocLayout(&from, 2));
    from->layoutType = 7;
    for (int i = 0; i < 2; ++i) {
        SpeakerInfo& s = from->speakers[i];
        s.azimuth = 0.5f * (i + 1);
        s.elevation = 0.25f;
        s.radius = 1.0f;
        s.reserved = 9.0f;
        std::strcpy(s.name, i == 0 ? "Left" : "Right");
        s.speakerType = i + 1;
        std::memset(s.reservedBytes, 0x5A, sizeof s.reservedBytes);
    }
    SpeakerLayout* copy = nullptr;
    REQUIRE(effect.allocLayout(&copy, 5));
    REQUIRE(effect.matchLayout(&copy, from));
    CHECK(copy->layoutType == 7);
    CHECK(copy->channelCount == 2);
    CHECK(std::memcmp(copy->speakers, from->speakers, 2 * sizeof(SpeakerInfo)) == 0);
    CHECK_FALSE(effect.matchLayout(&copy, nullptr));
    CHECK_FALSE(effect.cloneSpeaker(nullptr, &from->speakers[0]));
    CHECK_FALSE(effect.cloneSpeaker(&copy->speakers[0], nullptr));
    effect.freeLayout(&copy);
    effect.freeLayout(&from);
}

#endif
