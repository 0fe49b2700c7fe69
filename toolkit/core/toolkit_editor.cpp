#include "toolkit/core/toolkit_editor.h"

#include "framework/plug_effect.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/toolkit_platform.h"

ToolkitEditor::ToolkitEditor(PlugEffect* owner) : PlugEditor(owner), lastIdleTime(platform::tickCount())
{
    if (owner != nullptr)
        owner->attachEditor(this);
}

std::int32_t ToolkitEditor::queryRect(EditorRect** rect)
{
    if (rect != nullptr)
        *rect = &rectangle;
    return 1;
}

std::int32_t ToolkitEditor::openWindow(void* parentWindow)
{
    postRefresh();
    PlugEditor::openWindow(parentWindow);
    return 0;
}

void ToolkitEditor::idleTick()
{
    PlugEditor::idleTick();
    if (panel != nullptr)
        panel->idleRedraw();
}

void ToolkitEditor::parameterChanged(std::int32_t, float)
{
    postRefresh();
}

void ToolkitEditor::drawAll(const EditorRect*)
{
    if (panel != nullptr)
        panel->drawWidget(nullptr);
}

void ToolkitEditor::doIdle()
{
    // Unsigned arithmetic, as the tick counter wraps: just before the wrap
    // the sum wraps first and the next call runs at once.
    const std::uint32_t now = platform::tickCount();
    if (now < lastIdleTime + IdleIntervalMs)
        return;
    lastIdleTime = now;
    idleTick();
    if (effect != nullptr)
        effect->askHostIdle();
}
