// The maker of the builds without a panel (Linux, and the effect's own
// tests): the plug-in runs with the host's generic controls.
#include "effects/panner/panner_plugin.h"

bool makePannerEditor(PannerPlugin&)
{
    return true;
}
