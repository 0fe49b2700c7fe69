// One channel's samples sixteen to an AVX-512 register, with the operations
// the wet chain needs (wet_chain_body.h). Internal linkage, for the units
// built with AVX-512 F, VL and DQ.
#pragma once

#include <immintrin.h>

#include "effects/reverb/engine/wet_chain_body.h"

namespace {

struct ChannelX16 {
    using V = __m512;
    static constexpr int width = 16;

    static float largest(V v) { return _mm512_reduce_max_ps(v); }

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

    // [a0 b0 a1 b1 ...] into out, 32 floats.
    static void interleave(V a, V b, float* out)
    {
        const __m512i early = _mm512_setr_epi32(0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
        const __m512i late = _mm512_setr_epi32(8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
        _mm512_storeu_ps(out, _mm512_permutex2var_ps(a, early, b));
        _mm512_storeu_ps(out + 16, _mm512_permutex2var_ps(a, late, b));
    }

    static void fromPairs(const __m128 (&ys)[16], V& left, V& right)
    {
        // Block b of even holds [L R L R] of samples 4b, 4b + 1; of odd, of
        // samples 4b + 2, 4b + 3.
        __m128 even[4];
        __m128 odd[4];
        for (int b = 0; b < 4; ++b) {
            even[b] = _mm_movelh_ps(ys[4 * b], ys[4 * b + 1]);
            odd[b] = _mm_movelh_ps(ys[4 * b + 2], ys[4 * b + 3]);
        }
        const __m512 e = join(even);
        const __m512 o = join(odd);
        left = _mm512_shuffle_ps(e, o, _MM_SHUFFLE(2, 0, 2, 0));
        right = _mm512_shuffle_ps(e, o, _MM_SHUFFLE(3, 1, 3, 1));
    }

private:
    static __m512 join(const __m128 (&b)[4])
    {
        const __m256 low = _mm256_insertf128_ps(_mm256_castps128_ps256(b[0]), b[1], 1);
        const __m256 high = _mm256_insertf128_ps(_mm256_castps128_ps256(b[2]), b[3], 1);
        return _mm512_insertf32x8(_mm512_zextps256_ps512(low), high, 1);
    }
};

}  // namespace
