// The maker of the real panel, for the builds that carry one.
#include "effects/panner/editor/panner_editor.h"
#include "effects/panner/panner_plugin.h"

#include <new>

bool makePannerEditor(PannerPlugin& plugin)
{
    PannerEditor* editor = new (std::nothrow) PannerEditor(&plugin);
    if (editor == nullptr)
        return false;
    plugin.followWith(editor);
    return true;
}
