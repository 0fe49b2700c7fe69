#include "effects/reverb/reverb_effect_with_editor.h"

ReverbEffectWithEditor::ReverbEffectWithEditor(HostCallback host) : ReverbEffect(host)
{
    setEffectId(fourCharCode("MzRv"));
}
