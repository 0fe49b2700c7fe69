// PannerPlugin: the panner as the host gets it from main, the effect plus
// its panel. The panel is made in the constructor; when it cannot be made
// the constructor sets constructionFailed and main refuses the plug-in.
#pragma once

#include "effects/panner/panner_effect.h"

// Makes the panel of a new plug-in and attaches it to the effect. Answers
// false when the panel cannot be made.
using PannerEditorMaker = bool (*)(PannerEffect& effect);

// The maker main uses. The panel is not built yet, so for now the plug-in
// runs without one (no EditorFlag) and this always succeeds.
bool makePannerEditor(PannerEffect& effect);

class PannerPlugin : public PannerEffect {
public:
    explicit PannerPlugin(HostCallback host, PannerEditorMaker makeEditor = makePannerEditor);

protected:
    ~PannerPlugin() override = default;
};
