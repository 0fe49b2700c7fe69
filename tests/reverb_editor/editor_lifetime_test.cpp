// Opening and closing the reverb editor many times, two at once, failing
// to open, and the effect going away with its editor open: the process
// keeps no GDI object and no window more than before, and the module's
// class and skin go with the last editor.
#include "tests/gui_support/mouse_input.h"
#include "tests/gui_support/recording_host.h"
#include "tests/gui_support/resource_census.h"
#include "tests/reverb_editor/editor_test_host.h"

#include <doctest.h>

namespace {

void checkCounts(const ResourceCount& now, const ResourceCount& before)
{
    CAPTURE(newGdiObjects(before, now));
    CHECK(now.gdiObjects == before.gdiObjects);
    CHECK(now.windows == before.windows);
}

// One full cycle, so that whatever the system keeps after a first use (its
// own caches, the test host's class) is there before counting.
ResourceCount warmedUpCount()
{
    {
        OpenEditor warmUp;
        REQUIRE(warmUp.isOpen());
        warmUp.picture();
    }
    pumpPending();
    return countResources();
}

// One opening and closing in host, with an idle tick, a meter tick and a
// look at the picture, as a host and its user would.
void openAndClose(EffectRecord* effect, HostWindow& host)
{
    REQUIRE(openEditor(effect, host.handle()));
    editorIdle(effect);
    const HWND editor = findEditorWindow(host.handle());
    SendMessageA(editor, WM_USER + 5, 0, 0);
    WindowPicture::capture(editor);
    closeEditor(effect);
    // The last editor of the module took its window with it.
    REQUIRE(findEditorWindow(host.handle()) == nullptr);
}

// Two effects with their editors open at once, each in its host window;
// the first closes while the second goes on being used.
void twoEditors()
{
    OpenEditor first(0, 0);
    OpenEditor second(0, 300);
    REQUIRE(first.isOpen());
    REQUIRE(second.isOpen());
    CHECK(first.editor() != second.editor());
    CHECK(editorClassRegistered());

    // Closing the first leaves its window to its host and the second whole.
    HWND leftBehind = first.editor();
    closeEditor(first.effect());
    CHECK(IsWindow(leftBehind));
    CHECK(editorClassRegistered());
    recordedAutomation().clear();
    // Whatever still reaches the window finds no panel: no tick, no click.
    PostMessageA(leftBehind, WM_USER + 5, 0, 0);
    SendMessageA(leftBehind, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(18 + 60, 52 + 3));
    InvalidateRect(leftBehind, nullptr, FALSE);
    pumpPending();
    CHECK(recordedAutomation().empty());
    CHECK(first.effect()->getParam(first.effect(), 2) == 110.0f);

    // The second editor still draws and answers the mouse.
    const WindowPicture picture = second.picture();
    CHECK(colourText(picture.pixel(25, 55)) == colourText(RGB(133, 255, 255)));
    moveMouse(second.editor(), 18 + 8, 52 + 3);
    pressLeft();
    releaseLeft();
    CHECK(second.effect()->getParam(second.effect(), 2) == 3.0f);
    SendMessageA(second.editor(), WM_USER + 5, 0, 0);

    first.close();
    CHECK(editorClassRegistered());
    second.close();
    CHECK_FALSE(editorClassRegistered());
    pumpPending();
}

} // namespace

TEST_CASE("editor lifetime: 200 openings and closings leave no GDI object and no window behind")
{
    EffectRecord* effect = reverbPlugin().newEffect();
    REQUIRE(effect != nullptr);
    HostWindow host(512, 256);
    openAndClose(effect, host);
    const ResourceCount before = countResources();
    for (int round = 0; round < 200; ++round)
        openAndClose(effect, host);
    checkCounts(countResources(), before);
    CHECK_FALSE(editorClassRegistered());
    closeEffect(effect);
}

TEST_CASE("editor lifetime: two editors of two effects share the module; the last one takes class and skin")
{
    twoEditors();
    const ResourceCount before = countResources();
    for (int round = 0; round < 3; ++round)
        twoEditors();
    checkCounts(countResources(), before);
}

TEST_CASE("editor lifetime: an opening that fails gives back the module's resources")
{
    const ResourceCount before = warmedUpCount();
    EffectRecord* effect = reverbPlugin().newEffect();
    REQUIRE(effect != nullptr);
    // No such window: CreateWindowExA refuses the parent.
    HWND bogusParent = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7FFF0));
    REQUIRE_FALSE(IsWindow(bogusParent));
    CHECK_FALSE(openEditor(effect, bogusParent));
    CHECK_FALSE(editorClassRegistered());
    checkCounts(countResources(), before);

    // Nothing is held: the next opening works and the last close still
    // frees everything.
    {
        HostWindow host(512, 256);
        REQUIRE(openEditor(effect, host.handle()));
        CHECK(findEditorWindow(host.handle()) != nullptr);
        closeEditor(effect);
    }
    CHECK_FALSE(editorClassRegistered());
    closeEffect(effect);
    pumpPending();
    checkCounts(countResources(), before);
}

TEST_CASE("editor lifetime: a class of the same name already there makes the opening fail, and stays")
{
    const ResourceCount before = warmedUpCount();
    WNDCLASSA squatter = {};
    squatter.lpfnWndProc = DefWindowProcA;
    squatter.hInstance = reverbPlugin().module();
    squatter.lpszClassName = "MiralteaVerb";
    REQUIRE(RegisterClassA(&squatter) != 0);

    EffectRecord* effect = reverbPlugin().newEffect();
    REQUIRE(effect != nullptr);
    HostWindow host(512, 256);
    CHECK_FALSE(openEditor(effect, host.handle()));
    CHECK(findEditorWindow(host.handle()) == nullptr);
    CHECK(editorClassRegistered());
    REQUIRE(UnregisterClassA("MiralteaVerb", reverbPlugin().module()));

    // The refused opening did not count: this one registers and the close
    // unregisters.
    REQUIRE(openEditor(effect, host.handle()));
    CHECK(editorClassRegistered());
    closeEditor(effect);
    CHECK_FALSE(editorClassRegistered());
    closeEffect(effect);
    host.destroy();
    checkCounts(countResources(), before);
}

TEST_CASE("editor lifetime: an effect closed with its editor open closes the editor first")
{
    const ResourceCount before = warmedUpCount();
    EffectRecord* effect = reverbPlugin().newEffect();
    REQUIRE(effect != nullptr);
    HostWindow host(512, 256);
    REQUIRE(openEditor(effect, host.handle()));
    const HWND editor = findEditorWindow(host.handle());
    REQUIRE(editor != nullptr);
    closeEffect(effect);
    // The last editor is gone, and with it the window, class and skin.
    CHECK_FALSE(IsWindow(editor));
    CHECK_FALSE(editorClassRegistered());
    host.destroy();
    checkCounts(countResources(), before);
}
