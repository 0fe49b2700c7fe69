// The reverb editor's window, opened from the real DLL in a host window:
// its class, size and place, the record's EditorFlag, what it paints, and
// the effect kept in its user data at full pointer width.
#include "tests/reverb_editor/editor_test_host.h"

#include <doctest.h>

#include <string>

namespace {

constexpr COLORREF BarFill = RGB(133, 255, 255);
constexpr COLORREF BarRemainder = RGB(2, 79, 105);
constexpr COLORREF BarDisabled = RGB(66, 100, 122);

void checkPixel(const WindowPicture& picture, int x, int y, COLORREF expected)
{
    CAPTURE(x);
    CAPTURE(y);
    CHECK(colourText(picture.pixel(x, y)) == colourText(expected));
}

} // namespace

TEST_CASE("editor window: the rectangle is there before opening; EditorFlag is in the record")
{
    REQUIRE(reverbPlugin().loaded());
    EffectRecord* effect = reverbPlugin().newEffect();
    REQUIRE(effect != nullptr);
    CHECK(effect->flags == 29); // editor, meter, mono, overwrite
    EditorRect* rect = editorRect(effect);
    REQUIRE(rect != nullptr);
    CHECK(rect->top == 0);
    CHECK(rect->left == 0);
    CHECK(rect->bottom == 256);
    CHECK(rect->right == 512);
    CHECK(dispatch(effect, OpEditorRect, 0, 0, &rect) == 1);
    closeEffect(effect);
}

TEST_CASE("editor window: a 512 x 256 visible child of the host's window at its origin, user data the effect")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    HWND editor = open.editor();
    REQUIRE(editor != nullptr);
    CHECK(GetParent(editor) == open.host());
    CHECK((GetWindowLongPtrA(editor, GWL_STYLE) & (WS_CHILD | WS_VISIBLE)) == (WS_CHILD | WS_VISIBLE));
    RECT rect = {};
    GetWindowRect(editor, &rect);
    POINT origin = {0, 0};
    ClientToScreen(open.host(), &origin);
    CHECK(rect.left == origin.x);
    CHECK(rect.top == origin.y);
    CHECK(rect.right - rect.left == 512);
    CHECK(rect.bottom - rect.top == 256);
    char caption[32] = {};
    GetWindowTextA(editor, caption, sizeof caption);
    CHECK(std::string(caption) == "MiralteaVerb");
    // The whole pointer, not its low 32 bits.
    CHECK(GetWindowLongPtrA(editor, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(open.effect()->object));
    CHECK(editorClassRegistered());
}

TEST_CASE("editor window: the panel shows its background, the bars at their values and the buttons' states")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    const WindowPicture picture = open.picture();
    REQUIRE(picture.width() == 512);

    SUBCASE("background where no widget lies")
    {
        for (POINT p : {POINT{250, 230}, POINT{100, 20}, POINT{185, 100}, POINT{470, 245}, POINT{5, 250}})
            checkPixel(picture, p.x, p.y, skinPixel(156, p.x, p.y));
    }
    SUBCASE("Tamano at 110 fills its bar to x 18 + 60")
    {
        checkPixel(picture, 25, 52, BarFill);
        checkPixel(picture, 77, 58, BarFill);
        checkPixel(picture, 78, 52, BarRemainder);
        checkPixel(picture, 122, 58, BarRemainder);
    }
    SUBCASE("the gate is off: its sliders use the dark fill and the dark readout")
    {
        // Umbral at -60: position 22.
        checkPixel(picture, 203, 55, BarDisabled);
        checkPixel(picture, 217, 55, BarDisabled);
        checkPixel(picture, 218, 55, BarRemainder);
        checkPixel(picture, 311 + 20, 39 + 10, skinPixel(155, 20, 10));
    }
    SUBCASE("buttons off, the gate key's area outside its bitmap shows the panel")
    {
        checkPixel(picture, 10 + 21, 223 + 3, skinPixel(143, 21, 3));
        checkPixel(picture, 62 + 21, 223 + 3, skinPixel(145, 21, 3));
        checkPixel(picture, 328 + 12, 14 + 2, skinPixel(147, 12, 2));
        checkPixel(picture, 328 + 30, 14 + 8, skinPixel(156, 328 + 30, 14 + 8));
        checkPixel(picture, 328 + 10, 14 + 20, skinPixel(156, 328 + 10, 14 + 20));
    }
    SUBCASE("all four quality segments lit, faders at their programmed places")
    {
        for (int k = 0; k < 4; ++k)
            checkPixel(picture, 249 + k * 26 + 4, 165 + 9, skinPixel(148 + k, 4, 9));
        // The wet fader at 0 dB: its cap from y 44 + 77 - 16.
        checkPixel(picture, 416 + 10, 44 + 77 - 16 + 16, skinPixel(137, 10, 16));
    }
}

TEST_CASE("editor window: a host-side parameter change shows after the next idle tick, not before")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    effect->setParam(effect, 2, 0.05f); // RoomSize 50: position 31
    InvalidateRect(open.editor(), nullptr, FALSE);
    WindowPicture before = open.picture();
    CHECK(colourText(before.pixel(60, 55)) == colourText(BarFill));
    editorIdle(effect);
    WindowPicture after = open.picture();
    CHECK(colourText(after.pixel(48, 55)) == colourText(BarFill));
    CHECK(colourText(after.pixel(49, 55)) == colourText(BarRemainder));
    CHECK(colourText(after.pixel(60, 55)) == colourText(BarRemainder));
    CHECK(effect->getParam(effect, 2) == 50.0f);
}

TEST_CASE("editor window: a program change reaches every widget at the next idle tick")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    dispatch(effect, OpSetProgram, 0, 1); // "Snare !": gate on, threshold 20
    editorIdle(effect);
    const WindowPicture picture = open.picture();
    // Umbral at -20: (50 * 97 / 69) + 8 = 78, in the bright fill now.
    CHECK(colourText(picture.pixel(196 + 77, 55)) == colourText(BarFill));
    CHECK(colourText(picture.pixel(196 + 78, 55)) == colourText(BarRemainder));
    CHECK(colourText(picture.pixel(328 + 12, 14 + 2)) == colourText(skinPixel(146, 12, 2)));
    CHECK(colourText(picture.pixel(311 + 20, 39 + 3)) == colourText(skinPixel(132, 20, 3)));
}
