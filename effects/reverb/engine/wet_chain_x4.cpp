// The wet chain with SSE2: four samples of a channel per register.
#include "effects/reverb/engine/simd_x4.h"

#include "effects/reverb/engine/wet_chain_body.h"

namespace {

struct ChannelX4 : X4 {
    static float largest(V v)
    {
        const V half = _mm_max_ps(v, _mm_movehl_ps(v, v));
        return _mm_cvtss_f32(_mm_max_ss(half, _mm_shuffle_ps(half, half, _MM_SHUFFLE(1, 1, 1, 1))));
    }

    // [?, x3, x2, x1]: the three samples before a tile, newest last.
    static V history(float x3, float x2, float x1) { return _mm_setr_ps(0.0f, x3, x2, x1); }

    // The samples n places before those of `now`, reaching into `previous`.
    template <int n>
    static V shifted(V previous, V now)
    {
        const V p3c0 = _mm_shuffle_ps(previous, now, _MM_SHUFFLE(0, 0, 3, 3));
        if constexpr (n == 1)
            return _mm_shuffle_ps(p3c0, now, _MM_SHUFFLE(2, 1, 2, 0));
        else if constexpr (n == 2)
            return _mm_shuffle_ps(previous, now, _MM_SHUFFLE(1, 0, 3, 2));
        else
            return _mm_shuffle_ps(previous, p3c0, _MM_SHUFFLE(2, 0, 2, 1));
    }

    // [a0 b0 a1 b1 ...] into out, 8 floats.
    static void interleave(V a, V b, float* out)
    {
        _mm_storeu_ps(out, _mm_unpacklo_ps(a, b));
        _mm_storeu_ps(out + 4, _mm_unpackhi_ps(a, b));
    }

    static void fromPairs(const __m128 (&ys)[4], V& left, V& right)
    {
        const __m128 first = _mm_movelh_ps(ys[0], ys[1]);  // [L0 R0 L1 R1]
        const __m128 second = _mm_movelh_ps(ys[2], ys[3]);
        left = _mm_shuffle_ps(first, second, _MM_SHUFFLE(2, 0, 2, 0));
        right = _mm_shuffle_ps(first, second, _MM_SHUFFLE(3, 1, 3, 1));
    }
};

}  // namespace

void runWetChainX4(WetChain& chain) { runWetChain<ChannelX4>(chain); }

void mixTankInputX4(float* into, const float* inLeft, const float* inRight, int frames, float inputHalf)
{
    mixTankInput<ChannelX4>(into, inLeft, inRight, frames, inputHalf);
}
