// Painter and OffscreenPainter on real GDI device contexts.
#include "tests/gui_support/host_window.h"
#include "tests/gui_support/resource_census.h"
#include "tests/toolkit/win32_test_support.h"
#include "toolkit/core/offscreen_painter.h"
#include "toolkit/core/painter.h"

#include <doctest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

const COLORREF White = RGB(255, 255, 255);

// Columns and rows of a surface that hold any pixel other than white.
struct Ink {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};

Ink inkOf(const MemorySurface& surface, int width, int height)
{
    Ink ink;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (surface.pixel(x, y) != White) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

} // namespace

TEST_CASE("win32 painter: the device context gets its own brush, pen and font back")
{
    MemorySurface surface(20, 20, White);
    const HGDIOBJ brush = GetCurrentObject(surface.dc, OBJ_BRUSH);
    const HGDIOBJ pen = GetCurrentObject(surface.dc, OBJ_PEN);
    const HGDIOBJ font = GetCurrentObject(surface.dc, OBJ_FONT);
    const int before = liveGdiObjects();
    {
        Painter painter(nullptr, surface.dc, nullptr);
        painter.setFont(2, 0);
        painter.setFillColour({255, 0, 0});
        painter.setFrameColour({0, 0, 255});
        painter.setLineWidth(3);
        painter.setLineStyle(LineDotted);
        CHECK(GetCurrentObject(surface.dc, OBJ_BRUSH) != brush);
        CHECK(GetCurrentObject(surface.dc, OBJ_PEN) != pen);
        CHECK(GetCurrentObject(surface.dc, OBJ_FONT) != font);
        CHECK(liveGdiObjects() == before + 3);
    }
    CHECK(GetCurrentObject(surface.dc, OBJ_BRUSH) == brush);
    CHECK(GetCurrentObject(surface.dc, OBJ_PEN) == pen);
    CHECK(GetCurrentObject(surface.dc, OBJ_FONT) == font);
    CHECK(liveGdiObjects() == before);
}

TEST_CASE("win32 painter: on no device context nothing is made until a setter asks")
{
    const int before = liveGdiObjects();
    Painter painter(nullptr, nullptr, nullptr);
    CHECK(liveGdiObjects() == before);
    painter.setFillColour({1, 2, 3});
    CHECK(liveGdiObjects() == before + 1);
}

TEST_CASE("win32 painter: an outline covers all four edges and a fill sits inside it")
{
    MemorySurface surface(20, 20, White);
    {
        Painter painter(nullptr, surface.dc, nullptr);
        painter.setFrameColour({255, 0, 0});
        painter.drawRect({2, 2, 10, 10});
        painter.setFillColour({0, 255, 0});
        painter.fillRect({2, 2, 10, 10});
    }
    struct Case {
        int x, y;
        COLORREF colour;
    };
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0);
    const Case cases[] = {{2, 2, red},   {10, 2, red},   {10, 10, red}, {2, 10, red},  {6, 2, red},
                          {2, 6, red},   {3, 3, green},  {9, 9, green}, {6, 6, green}, {11, 11, White},
                          {1, 1, White}, {11, 6, White}, {6, 11, White}};
    for (const Case& c : cases) {
        CAPTURE(c.x);
        CAPTURE(c.y);
        CHECK(rgbText(surface.pixel(c.x, c.y)) == rgbText(c.colour));
    }
}

TEST_CASE("win32 painter: fonts by index and size")
{
    MemorySurface surface(10, 10, White);
    struct Case {
        std::int32_t index, size;
        LONG height, weight;
        BYTE pitchAndFamily;
        const char* face;
    };
    const Case cases[] = {
        {9, 0, 12, 700, 34, "Arial"}, {0, 0, 12, 700, 34, "Arial"},       {3, 0, 12, 400, 34, "Arial"},
        {1, 0, 18, 400, 34, "Arial"}, {2, 20, 20, 400, 34, "Arial"},      {5, 0, 9, 400, 34, "Small Fonts"},
        {6, 0, 13, 400, 80, "Symbol"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.index);
        CAPTURE(c.size);
        Painter painter(nullptr, surface.dc, nullptr);
        painter.setFont(c.index, c.size);
        CHECK(painter.fontSize() == c.height);
        LOGFONTA selected{};
        REQUIRE(GetObjectA(GetCurrentObject(surface.dc, OBJ_FONT), sizeof selected, &selected) == sizeof selected);
        CHECK(selected.lfHeight == -c.height);
        CHECK(selected.lfWeight == c.weight);
        CHECK(selected.lfPitchAndFamily == c.pitchAndFamily);
        CHECK(std::string(selected.lfFaceName) == c.face);
        CHECK(selected.lfClipPrecision == CLIP_STROKE_PRECIS);
        CHECK(selected.lfOutPrecision == OUT_STRING_PRECIS);
        CHECK(selected.lfQuality == 0);
        CHECK(selected.lfCharSet == 0);
        TEXTMETRICA metrics{};
        REQUIRE(GetTextMetricsA(surface.dc, &metrics));
        CHECK(metrics.tmWeight == c.weight);
    }
}

TEST_CASE("win32 painter: text alignment in its rectangle")
{
    const PixelRect cell{0, 0, 80, 24};
    struct Case {
        std::int32_t alignment;
    };
    for (const Case c : {Case{AlignLeft}, Case{AlignCentre}, Case{AlignRight}}) {
        CAPTURE(c.alignment);
        MemorySurface surface(80, 24, White);
        {
            Painter painter(nullptr, surface.dc, nullptr);
            painter.setFont(0, 0);
            painter.setFontColour({0, 0, 0});
            painter.drawString("WIW", cell, false, c.alignment);
        }
        const Ink ink = inkOf(surface, 80, 24);
        REQUIRE(ink.right >= 0);
        CHECK(std::abs(ink.top - (23 - ink.bottom)) <= 3); // centred up and down
        if (c.alignment == AlignLeft) {
            CHECK(ink.left >= 1); // one pixel in from the left edge
            CHECK(ink.left <= 3);
        } else if (c.alignment == AlignRight) {
            CHECK(ink.right >= 75);
        } else {
            CHECK(std::abs(ink.left - (79 - ink.right)) <= 3);
        }
    }
}

TEST_CASE("win32 painter: opaque text fills its cell with the fill colour, transparent text does not")
{
    for (bool opaque : {true, false}) {
        MemorySurface surface(80, 24, White);
        {
            Painter painter(nullptr, surface.dc, nullptr);
            painter.setFont(3, 0);
            painter.setFontColour({0, 0, 0});
            painter.setFillColour({0, 0, 255});
            painter.drawString("ab", {0, 0, 80, 24}, opaque, AlignCentre);
        }
        int blue = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 80; ++x)
                blue += surface.pixel(x, y) == RGB(0, 0, 255) ? 1 : 0;
        CHECK((blue > 0) == opaque);
    }
}

TEST_CASE("win32 painter: the mouse position is read in the painter's window")
{
    HostWindow host(200, 100, 100, 50);
    Painter painter(nullptr, nullptr, host.handle());
    struct Case {
        int screenX, screenY, x, y;
    };
    for (const Case c : {Case{150, 80, 50, 30}, Case{100, 50, 0, 0}, Case{90, 45, -10, -5}}) {
        SetCursorPos(c.screenX, c.screenY);
        PixelPoint where;
        painter.getMousePosition(where);
        CHECK(where == PixelPoint{c.x, c.y});
    }
}

TEST_CASE("win32 offscreen painter: a 20 x 10 surface reads its background everywhere, and copies out")
{
    const int before = liveGdiObjects();
    MemorySurface target(30, 20, White);
    {
        OffscreenPainter offscreen(nullptr, 20, 10, {0, 0, 0});
        HDC surface = static_cast<HDC>(offscreen.surface());
        int black = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                black += GetPixel(surface, x, y) == RGB(0, 0, 0) ? 1 : 0;
        CHECK(black == 200);
        Painter destination(nullptr, target.dc, nullptr);
        offscreen.copyTo(destination, {5, 5, 25, 15}, {0, 0});
    }
    CHECK(rgbText(target.pixel(5, 5)) == rgbText(RGB(0, 0, 0)));
    CHECK(rgbText(target.pixel(24, 14)) == rgbText(RGB(0, 0, 0)));
    CHECK(rgbText(target.pixel(25, 15)) == rgbText(White));
    CHECK(rgbText(target.pixel(4, 5)) == rgbText(White));
    CHECK(liveGdiObjects() == before + 2); // the target's own DC and bitmap
}
