#include "framework/plug_editor.h"

PlugEditor::PlugEditor(PlugEffect* owner) : effect(owner) {}

void PlugEditor::destroy()
{
    delete this;
}

std::int32_t PlugEditor::queryRect(EditorRect** rect)
{
    if (rect != nullptr)
        *rect = nullptr;
    return 0;
}

std::int32_t PlugEditor::openWindow(void* parentWindow)
{
    parent = parentWindow;
    return 0;
}

void PlugEditor::closeWindow() {}

void PlugEditor::idleTick()
{
    if (refreshPending.get() != 0) {
        refreshPending.set(0);
        refresh();
    }
}

void PlugEditor::refresh() {}

void PlugEditor::postRefresh()
{
    refreshPending.set(1);
}

#if FRAMEWORK_LEVEL >= 3
std::int32_t PlugEditor::keyDown(KeyRecord)
{
    return 0;
}

std::int32_t PlugEditor::keyUp(KeyRecord)
{
    return 0;
}

std::int32_t PlugEditor::setKnobStyle(std::int32_t)
{
    return 0;
}
#endif
