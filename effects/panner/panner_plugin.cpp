#include "effects/panner/panner_plugin.h"

#include "framework/module_state.h"

bool makePannerEditor(PannerEffect&)
{
    return true;
}

PannerPlugin::PannerPlugin(HostCallback host, PannerEditorMaker makeEditor) : PannerEffect(host)
{
    // The flag is module-wide and main reads it right after this constructor
    // returns. Clearing it here makes each main call start afresh, so one
    // panel that could not be made refuses only its own plug-in.
    constructionFailed = 0;
    if (!makeEditor(*this))
        constructionFailed = 1;
}
