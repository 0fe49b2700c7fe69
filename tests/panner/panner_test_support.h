// Helpers shared by the panner tests: a host that accepts every effect, and
// ownership of effects that may only be destroyed through destroy().
#pragma once

#include "effects/panner/panner_effect.h"
#include "framework/plug_interface.h"

#include <memory>

inline PlugInt acceptingHost(EffectRecord*, std::int32_t opcode, std::int32_t, PlugInt, void*, float)
{
    return opcode == HostVersion ? 1 : 0;
}

struct DestroyEffect {
    void operator()(PlugEffect* effect) const { effect->destroy(); }
};

template <typename Effect = PannerEffect>
using EffectPtr = std::unique_ptr<Effect, DestroyEffect>;

template <typename Effect = PannerEffect>
EffectPtr<Effect> makeEffect()
{
    return EffectPtr<Effect>(new Effect(acceptingHost));
}
