// ToolkitEditor: the base of editors built on this toolkit. It adds to the
// framework's editor the rectangle handed to the host, the one panel a
// subclass makes in openWindow and tears down in closeWindow, a hook for
// parameter changes, and doIdle: the idle pump controls call from inside
// their drag loops. doIdle runs at most every 50 ms, redraws what changed and
// gives the host its idle call, so neither panel nor host freezes while a
// button is held.
#pragma once

#include "framework/plug_editor.h"
#include "framework/plug_interface.h"

#include <cstdint>

class PanelWindow;

class ToolkitEditor : public PlugEditor {
public:
    // Attaches itself to the effect.
    explicit ToolkitEditor(PlugEffect* effect);

    std::int32_t queryRect(EditorRect** rect) override;
    // Subclasses call this first, then build their panel (and tear it down
    // in their closeWindow).
    std::int32_t openWindow(void* parent) override;
    // The pending refresh, then a redraw of whatever changed on the panel.
    void idleTick() override;
    // The effect's word that a parameter changed; here just a refresh.
    virtual void parameterChanged(std::int32_t index, float value);
    // Paints the whole panel now; the rectangle is not looked at.
    virtual void drawAll(const EditorRect* rect);

    void doIdle();

    PanelWindow* panelWindow() const { return panel; }
    std::uint32_t lastIdle() const { return lastIdleTime; }

protected:
    ~ToolkitEditor() override = default;

    EditorRect rectangle{0, 0, 0, 0};
    PanelWindow* panel = nullptr;
    std::uint32_t lastIdleTime;
};

// The gap doIdle keeps between two idle passes.
constexpr std::uint32_t IdleIntervalMs = 50;
