// ReverbEffectWithEditor: the effect main hands out, with its panel attached
// where the build has one. Without a panel it is the plain effect.
#pragma once

#include "effects/reverb/reverb_effect.h"

class ReverbEffectWithEditor : public ReverbEffect {
public:
    explicit ReverbEffectWithEditor(HostCallback host);

protected:
    // A host may destroy the effect with its panel still open: the panel
    // closes first, while the effect it draws is still whole.
    ~ReverbEffectWithEditor() override;
};
