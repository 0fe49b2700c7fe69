// The one function every plug-in exports, and the hook each deliverable
// supplies to make its effect.
#pragma once

#include "framework/plug_interface.h"

class PlugEffect;

// Each deliverable defines this: a new effect for the host, or null.
PlugEffect* createEffect(HostCallback host);

// Exported as "main" (and on Linux also as "VSTPluginMain").
extern "C" EffectRecord* pluginMain(HostCallback host);
