// The wet chain with SSE2: a stereo vector is two registers, left and right.
#include "effects/reverb/engine/simd_x4.h"

#include "effects/reverb/engine/wet_chain_body.h"

namespace {

struct StereoX4 {
    struct V {
        __m128 l;
        __m128 r;
    };

    static V load(const float* left, const float* right) { return {X4::load(left), X4::load(right)}; }
    static void store(float* left, float* right, V v)
    {
        X4::store(left, v.l);
        X4::store(right, v.r);
    }
    static V splat(float x) { return {X4::splat(x), X4::splat(x)}; }
    static V splat2(float left, float right) { return {X4::splat(left), X4::splat(right)}; }
    static V join(__m128 left, __m128 right) { return {left, right}; }
    static __m128 left(V v) { return v.l; }
    static __m128 right(V v) { return v.r; }
    static V add(V a, V b) { return {X4::add(a.l, b.l), X4::add(a.r, b.r)}; }
    static V sub(V a, V b) { return {X4::sub(a.l, b.l), X4::sub(a.r, b.r)}; }
    static V mul(V a, V b) { return {X4::mul(a.l, b.l), X4::mul(a.r, b.r)}; }
    static V flush(V a) { return {X4::flush(a.l), X4::flush(a.r)}; }
    static V silenceNonFinite(V a) { return {X4::silenceNonFinite(a.l), X4::silenceNonFinite(a.r)}; }
    static V magnitude(V a) { return {X4::magnitude(a.l), X4::magnitude(a.r)}; }
    static V greater(V a, V b) { return {X4::greater(a.l, b.l), X4::greater(a.r, b.r)}; }
    template <int order>
    static V shuffle(V a, V b)
    {
        return {_mm_shuffle_ps(a.l, b.l, order), _mm_shuffle_ps(a.r, b.r, order)};
    }
};

}  // namespace

void runWetChainX4(WetChain& chain) { runWetChain<StereoX4>(chain); }
