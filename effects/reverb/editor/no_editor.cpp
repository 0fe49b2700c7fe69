// Builds without a window system: the effect has no panel and the record
// no EditorFlag.
#include "effects/reverb/editor/editor_attachment.h"

void attachReverbEditor(ReverbEffect&) {}
