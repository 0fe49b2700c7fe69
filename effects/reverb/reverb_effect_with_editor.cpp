#include "effects/reverb/reverb_effect_with_editor.h"

#include "effects/reverb/editor/editor_attachment.h"
#include "framework/plug_editor.h"

ReverbEffectWithEditor::ReverbEffectWithEditor(HostCallback host) : ReverbEffect(host)
{
    setEffectId(fourCharCode("MzRv"));
    attachReverbEditor(*this);
}

ReverbEffectWithEditor::~ReverbEffectWithEditor()
{
    if (PlugEditor* editor = attachedEditor())
        editor->closeWindow();
}
