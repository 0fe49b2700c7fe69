// The real Corvelan panel in a real window under Wine: what it shows, and
// how it answers real mouse input and changes made by the host.
#include "tests/panner_editor/panel_test_host.h"

#include <doctest.h>

namespace {

const COLORREF Beige = RGB(254, 221, 169);
const COLORREF Dark = RGB(38, 34, 44);
const COLORREF White = RGB(255, 255, 255);
const COLORREF LightBlue = RGB(147, 167, 229);
const COLORREF Orange = RGB(246, 168, 44);
const COLORREF Pink = RGB(255, 153, 168);
const COLORREF LightGrey = RGB(210, 211, 213);
const COLORREF CardGrey = RGB(196, 197, 201);
const COLORREF Marker = RGB(255, 0, 255);

struct Point {
    int x, y;
    COLORREF colour;
};

void checkPixels(const OpenPanel& panel, const std::vector<Point>& points)
{
    const WindowPicture picture = panel.picture();
    for (const Point& p : points) {
        CAPTURE(p.x);
        CAPTURE(p.y);
        CHECK(colourText(picture.pixel(p.x, p.y)) == colourText(p.colour));
    }
}

// Paints straight onto the panel, as if it were stale, to see later
// whether an idle redraw covered it.
void mark(HWND panel, int x, int y)
{
    HDC dc = GetDC(panel);
    SetPixel(dc, x, y, Marker);
    ReleaseDC(panel, dc);
}

// The orange box of a pan handle whose left edge is at x, in row i.
Point panHandleAt(int x, int row)
{
    return {x + 4, 18 + 30 * row, Orange};
}

} // namespace

TEST_CASE("corvelan panel: the DLL hands out a plug-in with a 514 x 150 panel")
{
    hostLog().clear();
    EffectRecord* effect = newCorvelan();
    REQUIRE(effect != nullptr);
    CHECK(effect->flags == 21);
    EditorRect* rect = editorRect(effect);
    REQUIRE(rect != nullptr);
    CHECK(rect->top == 0);
    CHECK(rect->left == 0);
    CHECK(rect->bottom == 150);
    CHECK(rect->right == 514);
    closeEffect(effect);
}

TEST_CASE("corvelan panel: painted with its background, faders at the effect's values and the question box")
{
    hostLog().clear();
    OpenPanel panel;
    REQUIRE(panel.isOpen());
    REQUIRE(panel.panel() != nullptr);
    std::vector<Point> points = {
        {300, 140, Beige}, {0, 0, Dark},     {513, 149, Dark}, {16, 134, White}, {27, 143, Dark},
        {52, 25, Dark},    {100, 25, LightBlue},
    };
    for (int row = 0; row < 4; ++row) {
        points.push_back(panHandleAt(13, row));             // pans at the left end
        points.push_back({13, 15 + 30 * row, Dark});
        points.push_back({17, 25 + 30 * row, LightBlue});   // the strip below the handle
        points.push_back({494, 21 + 30 * row, LightGrey});  // gains at the right end
        points.push_back({489, 22 + 30 * row, Dark});
        points.push_back({450, 20 + 30 * row, Pink});
    }
    checkPixels(panel, points);
}

TEST_CASE("corvelan panel: dragging the second pan fader to the middle, with real input")
{
    hostLog().clear();
    OpenPanel panel;
    // Gripped one pixel inside the handle (13 .. 22): 194 pixels on is the middle.
    panel.press(14, 50, {[&] { pointerTo(panel.panel(), 120, 50); }, [&] { pointerTo(panel.panel(), 208, 50); }});
    const HostLog& log = hostLog();
    REQUIRE(log.automations.size() == 2);
    CHECK(log.automations[0].index == 1);
    CHECK(log.automations[0].value == 106.0f / 388.0f);
    CHECK(log.automations[1].index == 1);
    CHECK(log.automations[1].value == 0.5f);
    CHECK(log.automations[1].effect == panel.effect());
    CHECK(log.idles >= 3); // the host kept getting idle time during the drag
    CHECK(panel.param(1) == 0.5f);
    checkPixels(panel, {panHandleAt(206, 1), {17, 48, LightBlue}, panHandleAt(13, 0)});
}

TEST_CASE("corvelan panel: Shift drags a tenth as fast")
{
    hostLog().clear();
    OpenPanel panel;
    panel.setParam(0, 0.5f);
    panel.idle();
    checkPixels(panel, {panHandleAt(206, 0)});
    hostLog().clear();
    panel.press(206, 20, {[&] { pointerTo(panel.panel(), 303, 20); }}, {VK_SHIFT});
    const HostLog& log = hostLog();
    REQUIRE(log.automations.size() == 2);
    CHECK(log.automations[1].value - log.automations[0].value == doctest::Approx(0.025f).epsilon(1e-4));
    CHECK(panel.param(0) == doctest::Approx(0.5f + (290.0f / 388.0f - 0.5f) / 10.0f));
}

TEST_CASE("corvelan panel: Alt and a click reset the first pan to 0.75 and any other fader to 0.5")
{
    struct Case {
        int x, y;
        std::int32_t index;
        float value;
        Point drawn;
    };
    const Case cases[] = {
        {200, 20, 0, 0.75f, panHandleAt(12 + 291, 0)},
        {300, 110, 3, 0.5f, panHandleAt(12 + 194, 3)},
        {430, 50, 5, 0.5f, {420 + 34 + 5, 51, LightGrey}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.index);
        hostLog().clear();
        OpenPanel panel;
        panel.press(c.x, c.y, {}, {VK_MENU});
        const HostLog& log = hostLog();
        REQUIRE(log.automations.size() == 1);
        CHECK(log.automations[0].index == c.index);
        CHECK(log.automations[0].value == c.value);
        CHECK(panel.param(c.index) == c.value);
        checkPixels(panel, {c.drawn});
    }
}

TEST_CASE("corvelan panel: a press beside a handle does nothing")
{
    hostLog().clear();
    OpenPanel panel;
    panel.press(200, 50);
    CHECK(hostLog().automations.empty());
    CHECK(panel.param(1) == 0.0f);
}

TEST_CASE("corvelan panel: a change from the host is drawn on the next idle, and only its fader is redrawn")
{
    hostLog().clear();
    OpenPanel panel;
    mark(panel.panel(), 100, 25);  // on the first pan fader
    mark(panel.panel(), 450, 80);  // on the third gain fader
    panel.setParam(6, 0.25f);
    pumpPending();
    checkPixels(panel, {{450, 80, Marker}, {494, 81, LightGrey}}); // not at once
    panel.idle();
    checkPixels(panel, {
                           {450, 80, Pink},           // redrawn
                           {420 + 17 + 5, 81, LightGrey}, // the handle at 420 + trunc(69 x 0.25)
                           {494, 81, Pink},
                           {100, 25, Marker},         // left alone
                       });
    CHECK(hostLog().automations.empty());
}

TEST_CASE("corvelan panel: a program change moves the faders on the next idle")
{
    hostLog().clear();
    OpenPanel panel;
    panel.setParam(2, 0.5f);
    panel.idle();
    checkPixels(panel, {panHandleAt(206, 2)});
    dispatch(panel.effect(), OpSetProgram, 0, 4);
    panel.idle();
    checkPixels(panel, {panHandleAt(13, 2), {210, 78, LightBlue}});
}

TEST_CASE("corvelan panel: the about box opens over the faders, blocks them, and closes")
{
    hostLog().clear();
    OpenPanel panel;
    panel.press(20, 140);
    checkPixels(panel, {{110, 100, CardGrey}, {12, 80, Pink}, {10, 20, Dark}, {300, 140, Beige}});

    panel.press(430, 20, {}, {VK_MENU}); // a gain fader beside the picture
    panel.setParam(7, 0.25f);
    panel.idle();                       // not drawn over the picture
    CHECK(hostLog().automations.empty());
    CHECK(panel.param(4) == 1.0f);

    panel.press(110, 100); // on the picture
    checkPixels(panel, {{110, 100, Beige}, panHandleAt(13, 0), {300, 140, Beige}, {16, 134, White},
                        {420 + 17 + 5, 111, LightGrey}});
    CHECK(hostLog().automations.empty());
}
