#include "effects/reverb/editor/reverb_editor.h"

#include "effects/reverb/editor/editor_attachment.h"
#include "effects/reverb/editor/editor_window.h"
#include "effects/reverb/editor/gdi_surface.h"
#include "effects/reverb/editor/module_skin.h"
#include "effects/reverb/editor/panel_layout.h"
#include "effects/reverb/editor/reverb_panel.h"
#include "effects/reverb/reverb_effect.h"
#include "framework/module_state.h"

#include <memory>
#include <new>

namespace {

EditorRect panelRect = {0, 0, PanelHeight, PanelWidth};

// The last editor of the module takes the shared resources with it.
void releaseModule()
{
    ModuleSkin& skin = moduleSkin();
    skin.windows.destroyAll(isLiveEditorWindow, destroyEditorWindow);
    destroySkinResources();
    unregisterEditorClass();
}

} // namespace

void attachReverbEditor(ReverbEffect& effect)
{
    // Without memory for the editor the effect works without one.
    new (std::nothrow) ReverbEditor(&effect);
}

ReverbEditor::ReverbEditor(ReverbEffect* owner) : PlugEditor(owner)
{
    owner->attachEditor(this);
}

ReverbEffect& ReverbEditor::reverb() const
{
    return *static_cast<ReverbEffect*>(effect);
}

std::int32_t ReverbEditor::queryRect(EditorRect** rect)
{
    if (rect != nullptr)
        *rect = &panelRect;
    return 1;
}

// The module goes back to how it was before this opening. A count left
// raised would keep the skin and the class for the life of the process, and
// a class left registered makes every opening after a reload of the DLL
// fail.
std::int32_t ReverbEditor::failOpening()
{
    ModuleSkin& skin = moduleSkin();
    if (--skin.useCount == 0) {
        destroySkinResources();
        unregisterEditorClass();
    }
    return 0;
}

std::int32_t ReverbEditor::openWindow(void* parentWindow)
{
    if (window() != nullptr)
        return 1;
    parent = parentWindow;
    ModuleSkin& skin = moduleSkin();
    if (++skin.useCount == 1) {
        if (!registerEditorClass(editorWindowProcedure)) {
            // Nothing was made yet: the class belongs to someone else.
            --skin.useCount;
            return 0;
        }
        createSkinResources();
    }

    HINSTANCE instance = static_cast<HINSTANCE>(moduleHandle);
    HWND created = CreateWindowExA(0, EditorClassName, EditorClassName, WS_CHILD | WS_VISIBLE, CW_USEDEFAULT,
                                   CW_USEDEFAULT, PanelWidth, PanelHeight, static_cast<HWND>(parent), nullptr,
                                   instance, nullptr);
    if (created == nullptr)
        return failOpening();

    skin.windows.record(created, isLiveEditorWindow);
    ReverbEffect& owner = reverb();
    SetWindowLongPtrA(created, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&owner));
    derivedWindow = created;
    owner.editorWindow = created;

    std::unique_ptr<PanelSurface> surface(new (std::nothrow) WindowSurface(created, skin));
    if (surface != nullptr)
        owner.editorWidgets = new (std::nothrow) ReverbPanel(owner, std::move(surface));
    refresh();
    SetTimer(created, MeterTimerId, MeterTimerPeriod, meterTimerProcedure);
    return 1;
}

void ReverbEditor::closeWindow()
{
    HWND own = window();
    if (own == nullptr)
        return;
    ReverbEffect& owner = reverb();
    // The window may outlive this editor until its parent goes: whatever
    // reaches it from now on finds no panel and no effect.
    KillTimer(own, MeterTimerId);
    SetWindowLongPtrA(own, GWLP_USERDATA, 0);
    delete owner.editorWidgets;
    owner.editorWidgets = nullptr;
    owner.editorWindow = nullptr;
    derivedWindow = nullptr;

    ModuleSkin& skin = moduleSkin();
    if (--skin.useCount == 0)
        releaseModule();
}

void ReverbEditor::refresh()
{
    if (ReverbPanel* panel = reverb().editorWidgets)
        panel->refresh();
}
