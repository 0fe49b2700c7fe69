// SkinBitmap on GDI: resources of the module, drawn plainly and with white
// transparent. The pictures are the panner's, compiled into this program.
#include "tests/gui_support/resource_census.h"
#include "tests/toolkit/win32_test_support.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

namespace {

const COLORREF Magenta = RGB(255, 0, 255);
const COLORREF Beige = RGB(254, 221, 169);
const COLORREF White = RGB(255, 255, 255);
const COLORREF Dark = RGB(38, 34, 44);

} // namespace

TEST_CASE("win32 skin bitmap: resources load with their size, a missing one is empty and draws nothing")
{
    ThisModule module;
    struct Case {
        std::int32_t id;
        std::int32_t width, height;
    };
    const Case cases[] = {{128, 514, 150}, {129, 400, 18}, {130, 10, 12}, {133, 220, 120}, {999, 0, 0}};
    for (const Case& c : cases) {
        CAPTURE(c.id);
        SkinBitmap* bitmap = new SkinBitmap(c.id);
        CHECK(bitmap->width() == c.width);
        CHECK(bitmap->height() == c.height);
        MemorySurface surface(4, 4, Magenta);
        {
            Painter painter(nullptr, surface.dc, nullptr);
            bitmap->draw(painter, {0, 0, 4, 4}, {0, 0});
        }
        CHECK((surface.pixel(1, 1) == Magenta) == (c.width == 0));
        bitmap->release();
    }
}

TEST_CASE("win32 skin bitmap: white lets the background through, every time, and the image stays as it was")
{
    ThisModule module;
    const int before = liveGdiObjects();
    SkinBitmap* background = new SkinBitmap(128);
    for (int round = 0; round < 2; ++round) {
        CAPTURE(round);
        MemorySurface surface(514, 150, Magenta);
        {
            Painter painter(nullptr, surface.dc, nullptr);
            background->drawTransparent(painter, {0, 0, 514, 150}, {0, 0});
        }
        CHECK(rgbText(surface.pixel(16, 134)) == rgbText(Magenta)); // the white question-mark box
        CHECK(rgbText(surface.pixel(300, 75)) == rgbText(Beige));
        CHECK(rgbText(surface.pixel(0, 0)) == rgbText(Dark));
        CHECK(rgbText(surface.pixel(27, 143)) == rgbText(Dark));
    }
    MemorySurface plain(514, 150, Magenta);
    {
        Painter painter(nullptr, plain.dc, nullptr);
        background->draw(painter, {0, 0, 514, 150}, {0, 0});
    }
    CHECK(rgbText(plain.pixel(16, 134)) == rgbText(White));
    // The image and its mask, kept for the next transparent draw.
    CHECK(liveGdiObjects() == before + 2 + 2);
    background->release();
    CHECK(liveGdiObjects() == before + 2);
}

TEST_CASE("win32 skin bitmap: a picture without white draws the same either way")
{
    ThisModule module;
    for (std::int32_t id : {130, 132}) {
        CAPTURE(id);
        SkinBitmap* handle = new SkinBitmap(id);
        MemorySurface plain(handle->width(), handle->height(), Magenta);
        MemorySurface keyed(handle->width(), handle->height(), Magenta);
        {
            Painter toPlain(nullptr, plain.dc, nullptr);
            Painter toKeyed(nullptr, keyed.dc, nullptr);
            const PixelRect all{0, 0, handle->width(), handle->height()};
            handle->draw(toPlain, all, {0, 0});
            handle->drawTransparent(toKeyed, all, {0, 0});
        }
        int differing = 0;
        for (int y = 0; y < handle->height(); ++y)
            for (int x = 0; x < handle->width(); ++x)
                differing += plain.pixel(x, y) != keyed.pixel(x, y) ? 1 : 0;
        CHECK(differing == 0);
        handle->release();
    }
}

TEST_CASE("win32 skin bitmap: part of an image from a source offset, and a clipped transparent draw")
{
    ThisModule module;
    SkinBitmap* track = new SkinBitmap(129);
    MemorySurface surface(40, 18, Magenta);
    {
        Painter painter(nullptr, surface.dc, nullptr);
        track->draw(painter, {0, 0, 20, 18}, {40, 0}); // the second cell's left half
        track->drawTransparent(painter, {20, 0, 25, 18}, {0, 0});
    }
    CHECK(rgbText(surface.pixel(0, 9)) == rgbText(Dark));              // its left outline
    CHECK(rgbText(surface.pixel(10, 3)) == rgbText(RGB(147, 167, 229)));
    CHECK(rgbText(surface.pixel(20, 9)) == rgbText(Dark));             // the first cell's outline
    CHECK(rgbText(surface.pixel(26, 9)) == rgbText(Magenta));          // past the rectangle
    track->release();
}
