// PannerPlugin: the panner as the host gets it from main, the effect plus
// its panel. The panel is made in the constructor; when it cannot be made
// the constructor sets constructionFailed and main refuses the plug-in.
// Every parameter change, from the host or from a program, is passed on to
// the panel, which shows it on its next idle.
#pragma once

#include "effects/panner/panner_effect.h"

class PannerPlugin;
class ToolkitEditor;

// Makes the panel of a new plug-in, attached to the effect, and hands it to
// the plug-in to follow (followWith). Answers false when the panel cannot
// be made.
using PannerEditorMaker = bool (*)(PannerPlugin& plugin);

// The maker main uses. The Windows DLLs make the real panel (editor/); the
// Linux build has none, so there the plug-in runs without one (no
// EditorFlag) and this always succeeds.
bool makePannerEditor(PannerPlugin& plugin);

class PannerPlugin : public PannerEffect {
public:
    explicit PannerPlugin(HostCallback host, PannerEditorMaker makeEditor = makePannerEditor);

    void setParam(std::int32_t index, float value) override;

    // The panel that follows parameter changes; null for none.
    void followWith(ToolkitEditor* editor) { panel = editor; }

protected:
    ~PannerPlugin() override = default;

private:
    ToolkitEditor* panel = nullptr;
};
