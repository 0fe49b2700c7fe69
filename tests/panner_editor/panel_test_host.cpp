#include "tests/panner_editor/panel_test_host.h"

#include "tests/gui_support/loaded_plugin.h"

#include <cstdio>

namespace {

// Wine reaches the build machine's files through drive Z.
std::string hostPath(const char* path)
{
    return path[0] == '/' ? std::string("Z:") + path : std::string(path);
}

LoadedPlugin& corvelan()
{
    static LoadedPlugin plugin(hostPath(CORVELAN_PLUGIN_PATH));
    return plugin;
}

PlugInt recordingHost(EffectRecord* effect, std::int32_t opcode, std::int32_t index, PlugInt, void*, float opt)
{
    HostLog& log = hostLog();
    switch (opcode) {
    case HostVersion:
        return 2400;
    case HostAutomate:
        log.automations.push_back({effect, index, opt});
        return 0;
    case HostIdle:
        ++log.idles;
        if (!log.idleSteps.empty()) {
            std::function<void()> step = log.idleSteps.front();
            log.idleSteps.pop_front();
            step();
        }
        return 0;
    default:
        return 0;
    }
}

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

LONG normalised(int p, int size)
{
    return static_cast<LONG>((static_cast<long long>(p) * 65536 + size - 1) / size);
}

BOOL CALLBACK findPanel(HWND window, LPARAM found)
{
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (panelClassName() == name) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HostLog& hostLog()
{
    static HostLog log;
    return log;
}

HMODULE corvelanModule()
{
    return corvelan().module();
}

EffectRecord* newCorvelan()
{
    auto entry = reinterpret_cast<PluginMainFunction>(
        reinterpret_cast<void*>(GetProcAddress(corvelan().module(), "main")));
    return entry != nullptr ? entry(recordingHost) : nullptr;
}

std::string panelClassName()
{
    char name[32];
    std::snprintf(name, sizeof name, "Plugin%08x",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(corvelanModule())));
    return name;
}

bool panelClassRegistered()
{
    WNDCLASSA info;
    return GetClassInfoA(corvelanModule(), panelClassName().c_str(), &info) != 0;
}

HWND findPanelWindow(HWND host)
{
    HWND found = nullptr;
    if (host != nullptr)
        EnumChildWindows(host, findPanel, reinterpret_cast<LPARAM>(&found));
    return found;
}

void pointerTo(HWND window, int x, int y)
{
    POINT target = {x, y};
    ClientToScreen(window, &target);
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(target.x, GetSystemMetrics(SM_CXSCREEN)),
              normalised(target.y, GetSystemMetrics(SM_CYSCREEN)));
    POINT now = {};
    GetCursorPos(&now);
    if (now.x != target.x || now.y != target.y)
        sendMouse(MOUSEEVENTF_MOVE, target.x - now.x, target.y - now.y);
}

void leftButton(bool down)
{
    sendMouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
}

void key(WORD virtualKey, bool down)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

void holdKeys(const std::vector<WORD>& keys)
{
    if (keys.empty())
        return;
    // Wine lets go of injected modifier keys whenever it syncs with the X
    // server's idea of them: when it sees the pointer move, or a window take
    // the focus, which may be a moment after the input that caused it. So
    // the keys are pressed until they have stayed down for 30 ms on end.
    // Reading the state also makes Wine take in the X server's news.
    const auto allDown = [&keys] {
        for (WORD held : keys)
            if ((GetAsyncKeyState(held) & 0x8000) == 0)
                return false;
        return true;
    };
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 1000) {
        for (WORD held : keys)
            key(held, true);
        DWORD steady = GetTickCount();
        while (allDown() && GetTickCount() - steady < 100)
            Sleep(1);
        if (allDown())
            return;
    }
}

OpenPanel::OpenPanel(int left, int top)
{
    record = newCorvelan();
    if (record == nullptr)
        return;
    dispatch(record, OpOpen);
    hostWindow = std::make_unique<HostWindow>(514, 150, left, top);
    opened = openEditor(record, hostWindow->handle());
    // The first paint: idle redraws only start after it.
    pumpUntil([this] { return picture().pixel(300, 140) == RGB(254, 221, 169); }, 3000);
}

OpenPanel::~OpenPanel()
{
    close();
    if (record != nullptr)
        closeEffect(record);
}

void OpenPanel::idle() const
{
    editorIdle(record);
    pumpPending();
}

void OpenPanel::close()
{
    if (opened)
        closeEditor(record);
    opened = false;
    if (hostWindow)
        hostWindow->destroy();
    hostWindow.reset();
}

void OpenPanel::press(int x, int y, std::vector<std::function<void()>> stepsDuringDrag, std::vector<WORD> keysHeld)
{
    HostLog& log = hostLog();
    // A step that moves the pointer makes Wine let go of held keys.
    log.idleSteps.clear();
    for (const std::function<void()>& step : stepsDuringDrag)
        log.idleSteps.push_back([step, keysHeld] {
            step();
            holdKeys(keysHeld);
        });
    // After the last step one more pass of the drag loop takes in where the
    // pointer went; then the button goes up. A press without a drag lets go
    // after it.
    const bool dragging = !stepsDuringDrag.empty();
    if (dragging) {
        log.idleSteps.push_back([] {});
        log.idleSteps.push_back([] { leftButton(false); });
    }
    if (!keysHeld.empty()) {
        // A first click on the bare background: the one that activates the
        // window, after which Wine syncs the keys with the X server.
        pointerTo(panel(), 300, 140);
        pumpPending();
        leftButton(true);
        pumpPending();
        leftButton(false);
        pumpMessages(100);
    }
    pointerTo(panel(), x, y);
    pumpPending();
    holdKeys(keysHeld);
    leftButton(true);
    pumpPending();
    pumpUntil([&log] { return log.idleSteps.empty(); }, 2000);
    if (!log.idleSteps.empty()) {
        // The press started no drag: nobody played the steps.
        log.idleSteps.clear();
        leftButton(false);
    } else if (!dragging) {
        leftButton(false);
    }
    for (auto held = keysHeld.rbegin(); held != keysHeld.rend(); ++held)
        key(*held, false);
    pumpPending();
}
