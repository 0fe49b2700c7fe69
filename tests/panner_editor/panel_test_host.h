// What every window test of the Corvelan panel shares: the DLL loaded once
// as a host loads it, a host callback that records what the plug-in sends
// and can play the next step of a gesture whenever the plug-in asks for
// idle time (which it does from inside its drag loops), mouse and key input
// that does not pump messages (so a step can run inside such a loop), and an
// effect whose panel is open in a host window at (0, 0).
#pragma once

#include "framework/plug_interface.h"
#include "tests/gui_support/host_window.h"
#include "tests/gui_support/loaded_plugin.h"
#include "tests/gui_support/window_pixels.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct Automation {
    EffectRecord* effect;
    std::int32_t index;
    float value;
};

struct HostLog {
    std::vector<Automation> automations;
    int idles = 0;
    // Run one by one, one per HostIdle.
    std::deque<std::function<void()>> idleSteps;

    void clear()
    {
        automations.clear();
        idles = 0;
        idleSteps.clear();
    }
};

HostLog& hostLog();

HMODULE corvelanModule();
// A new effect from the DLL's main, with the recording host.
EffectRecord* newCorvelan();
// "Plugin%08x" of the module handle.
std::string panelClassName();
bool panelClassRegistered();
HWND findPanelWindow(HWND host);

// Input through SendInput that leaves the message queue alone.
void pointerTo(HWND window, int x, int y);
void leftButton(bool down);
void key(WORD virtualKey, bool down);
// Presses the keys until the system steadily reports them all down.
void holdKeys(const std::vector<WORD>& keys);

class OpenPanel {
public:
    // A new effect whose panel opens, and is painted, in a new host window.
    explicit OpenPanel(int left = 0, int top = 0);
    ~OpenPanel();
    OpenPanel(const OpenPanel&) = delete;
    OpenPanel& operator=(const OpenPanel&) = delete;

    EffectRecord* effect() const { return record; }
    HWND host() const { return hostWindow ? hostWindow->handle() : nullptr; }
    HWND panel() const { return findPanelWindow(host()); }
    bool isOpen() const { return opened; }
    float param(std::int32_t index) const { return record->getParam(record, index); }
    void setParam(std::int32_t index, float value) const { record->setParam(record, index, value); }
    void idle() const;
    // Closes the panel (opcode 15), then lets the host destroy its window.
    void close();
    WindowPicture picture() const { return WindowPicture::capture(host()); }

    // A left press at (x, y) of the panel, with keys held, that ends when the
    // steps played on HostIdle have run and the button is up again.
    void press(int x, int y, std::vector<std::function<void()>> stepsDuringDrag = {},
               std::vector<WORD> keysHeld = {});

private:
    EffectRecord* record = nullptr;
    std::unique_ptr<HostWindow> hostWindow;
    bool opened = false;
};
