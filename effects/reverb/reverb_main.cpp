// MiralteaVerb: main makes one ReverbEffectWithEditor per call.
#include "effects/reverb/reverb_effect_with_editor.h"
#include "framework/plugin_entry.h"

PlugEffect* createEffect(HostCallback host)
{
    return new ReverbEffectWithEditor(host);
}
