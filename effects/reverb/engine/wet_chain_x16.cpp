// The wet chain with AVX-512: sixteen samples of a channel per register.
// Built with AVX-512 F, VL and DQ, never FMA (see the comb kernels).
#include <immintrin.h>

#include "effects/reverb/engine/wet_chain_body.h"

namespace {

struct ChannelX16 {
    using V = __m512;
    static constexpr int width = 16;

    static V load(const float* p) { return _mm512_loadu_ps(p); }
    static void store(float* p, V v) { _mm512_storeu_ps(p, v); }
    static V splat(float x) { return _mm512_set1_ps(x); }
    static V add(V a, V b) { return _mm512_add_ps(a, b); }
    static V sub(V a, V b) { return _mm512_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm512_mul_ps(a, b); }

    // Exponent field all zero (denormals, -0.0) -> +0.0.
    static V flush(V x) { return _mm512_mask_mov_ps(x, _mm512_fpclass_ps_mask(x, 0x26), _mm512_setzero_ps()); }

    // NaN, infinities, denormals and zeros -> +0.0, then held within 1e20.
    static V tameInput(V a)
    {
        const V finite = _mm512_mask_mov_ps(a, _mm512_fpclass_ps_mask(a, 0xbf), _mm512_setzero_ps());
        return _mm512_min_ps(_mm512_max_ps(finite, _mm512_set1_ps(-1.0e20f)), _mm512_set1_ps(1.0e20f));
    }
    static V magnitude(V a) { return _mm512_and_ps(a, _mm512_castsi512_ps(_mm512_set1_epi32(0x7fffffff))); }
    // a > b ? a : b, the peak rule: a NaN in a never replaces b.
    static V greater(V a, V b) { return _mm512_max_ps(a, b); }

    static V history(float x3, float x2, float x1)
    {
        return _mm512_setr_ps(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, x3, x2, x1);
    }

    // The samples n places before those of `now`, reaching into `previous`.
    template <int n>
    static V shifted(V previous, V now)
    {
        return _mm512_castsi512_ps(
            _mm512_alignr_epi32(_mm512_castps_si512(now), _mm512_castps_si512(previous), 16 - n));
    }

    // [a0 b0 a1 b1 ...] into out, 32 floats, and back.
    static void interleave(V a, V b, float* out)
    {
        const __m512i early = _mm512_setr_epi32(0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
        const __m512i late = _mm512_setr_epi32(8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
        _mm512_storeu_ps(out, _mm512_permutex2var_ps(a, early, b));
        _mm512_storeu_ps(out + 16, _mm512_permutex2var_ps(a, late, b));
    }

    static void deinterleave(const float* in, V& a, V& b)
    {
        const V first = _mm512_loadu_ps(in);
        const V second = _mm512_loadu_ps(in + 16);
        const __m512i even = _mm512_setr_epi32(0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30);
        const __m512i odd = _mm512_setr_epi32(1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31);
        a = _mm512_permutex2var_ps(first, even, second);
        b = _mm512_permutex2var_ps(first, odd, second);
    }
};

}  // namespace

void runWetChainX16(WetChain& chain) { runWetChain<ChannelX16>(chain); }
