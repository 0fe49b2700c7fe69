#include "effects/panner/panner_plugin.h"

#include "framework/module_state.h"
#include "toolkit/core/toolkit_editor.h"

PannerPlugin::PannerPlugin(HostCallback host, PannerEditorMaker makeEditor) : PannerEffect(host)
{
    // The flag is module-wide and main reads it right after this constructor
    // returns. Clearing it here makes each main call start afresh, so one
    // panel that could not be made refuses only its own plug-in.
    constructionFailed = 0;
    if (!makeEditor(*this))
        constructionFailed = 1;
}

void PannerPlugin::setParam(std::int32_t index, float value)
{
    PannerEffect::setParam(index, value);
    if (panel != nullptr)
        panel->parameterChanged(index, value);
}
