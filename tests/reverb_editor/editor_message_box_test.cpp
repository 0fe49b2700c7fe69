// A plug-in whose panel bitmap is missing: the first opening of the module
// tells the user "Not enough memory !" once, and the editor opens anyway.
#include "tests/reverb_editor/editor_test_host.h"

#include <doctest.h>

#include <string>
#include <vector>

namespace {

struct SeenBox {
    std::string caption;
    std::string text;
};

std::vector<SeenBox> seenBoxes;

BOOL CALLBACK answerBox(HWND window, LPARAM)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (process != GetCurrentProcessId() || lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    char caption[64] = {};
    char text[128] = {};
    GetWindowTextA(window, caption, sizeof caption);
    // A message box keeps its text in the static control 0xFFFF.
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    seenBoxes.push_back({caption, text});
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

// Runs inside the message box's own loop, which the opening waits in.
void CALLBACK closeMessageBoxes(HWND, UINT, UINT_PTR, DWORD)
{
    EnumWindows(answerBox, 0);
}

std::string hostPath(const char* path)
{
    return path[0] == '/' ? std::string("Z:") + path : std::string(path);
}

} // namespace

TEST_CASE("editor without its panel bitmap: one \"Not enough memory !\" per first opening, and it opens")
{
    LoadedPlugin plugin(hostPath(REVERB_WITHOUT_PANEL_PATH));
    REQUIRE(plugin.loaded());
    seenBoxes.clear();
    const UINT_PTR closer = SetTimer(nullptr, 0, 50, closeMessageBoxes);

    EffectRecord* first = plugin.newEffect();
    EffectRecord* second = plugin.newEffect();
    REQUIRE(first != nullptr);
    REQUIRE(second != nullptr);
    HostWindow hostA(512, 256);
    HostWindow hostB(512, 256, 0, 300);
    CHECK(openEditor(first, hostA.handle()));
    REQUIRE(seenBoxes.size() == 1);
    CHECK(seenBoxes[0].caption == "Error");
    CHECK(seenBoxes[0].text == "Not enough memory !");
    CHECK(findEditorWindow(hostA.handle()) != nullptr);

    // The module's resources are there already: no second box.
    CHECK(openEditor(second, hostB.handle()));
    CHECK(seenBoxes.size() == 1);
    // Without a background the widgets still draw: Tamano's bar.
    editorIdle(second);
    const WindowPicture picture = WindowPicture::capture(findEditorWindow(hostB.handle()));
    CHECK(colourText(picture.pixel(25, 55)) == colourText(RGB(133, 255, 255)));

    closeEditor(first);
    closeEditor(second);
    // The next first opening of the module tells it again.
    CHECK(openEditor(first, hostA.handle()));
    CHECK(seenBoxes.size() == 2);
    closeEditor(first);

    KillTimer(nullptr, closer);
    hostA.destroy();
    hostB.destroy();
    closeEffect(first);
    closeEffect(second);
}
