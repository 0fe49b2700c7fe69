// SkinBitmap: shared by reference count, destroyed by the last release.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

TEST_CASE_FIXTURE(ToolkitFixture, "skin bitmap: a loaded resource has its size, a missing one 0 x 0")
{
    stub::defineBitmap(128, 514, 150);
    struct Case {
        std::int32_t id;
        bool loaded;
        std::int32_t width, height;
    };
    const Case cases[] = {{128, true, 514, 150}, {999, false, 0, 0}, {0x10080, true, 514, 150}};
    for (const Case& c : cases) {
        CAPTURE(c.id);
        SkinBitmap* bitmap = new SkinBitmap(c.id);
        CHECK(bitmap->isLoaded() == c.loaded);
        CHECK(bitmap->width() == c.width);
        CHECK(bitmap->height() == c.height);
        CHECK(bitmap->referenceCount() == 1);
        bitmap->release();
    }
}

TEST_CASE_FIXTURE(ToolkitFixture, "skin bitmap: it lives until the last of its holders releases it")
{
    const std::int32_t before = stub::liveBitmaps();
    struct Case {
        int extraHolders;
    };
    for (const Case c : {Case{0}, Case{1}, Case{4}}) {
        SkinBitmap* bitmap = new SkinBitmap(130);
        for (int i = 0; i < c.extraHolders; ++i)
            bitmap->retain();
        CHECK(bitmap->referenceCount() == 1 + c.extraHolders);
        for (int i = 0; i < c.extraHolders; ++i) {
            bitmap->release();
            CHECK(stub::liveBitmaps() == before + 1);
        }
        bitmap->release();
        CHECK(stub::liveBitmaps() == before);
    }
}

TEST_CASE_FIXTURE(ToolkitFixture, "skin bitmap: a missing image draws nothing")
{
    SkinBitmap* bitmap = new SkinBitmap(4242);
    Painter painter(nullptr, reinterpret_cast<NativeSurface>(0x10), nullptr);
    bitmap->draw(painter, {0, 0, 10, 10}, {0, 0});
    bitmap->drawTransparent(painter, {0, 0, 10, 10}, {0, 0});
    CHECK(stub::events("bitmap.draw").empty());
    CHECK(stub::events("bitmap.drawTransparent").empty());
    bitmap->release();
}
