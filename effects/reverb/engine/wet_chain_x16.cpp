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

    static void lowPass(V highLeft, V highRight, __m128& y, __m128 a0, __m128 b1, V& lowLeft, V& lowRight)
    {
        const __m512 even = _mm512_unpacklo_ps(highLeft, highRight);  // [L0 R0 L1 R1 | L4 R4 L5 R5 | ...]
        const __m512 odd = _mm512_unpackhi_ps(highLeft, highRight);   // [L2 R2 L3 R3 | L6 R6 L7 R7 | ...]
        __m128 left[4];
        __m128 right[4];
        for (int b = 0; b < 4; ++b) {
            __m128 y01;
            __m128 y23;
            lowPassFour(block(even, b), block(odd, b), y, a0, b1, y01, y23);
            left[b] = _mm_shuffle_ps(y01, y23, _MM_SHUFFLE(2, 0, 2, 0));
            right[b] = _mm_shuffle_ps(y01, y23, _MM_SHUFFLE(3, 1, 3, 1));
        }
        lowLeft = join(left);
        lowRight = join(right);
    }

private:
    static __m128 block(__m512 v, int b)
    {
        switch (b) {
        case 0: return _mm512_castps512_ps128(v);
        case 1: return _mm512_extractf32x4_ps(v, 1);
        case 2: return _mm512_extractf32x4_ps(v, 2);
        default: return _mm512_extractf32x4_ps(v, 3);
        }
    }

    static __m512 join(const __m128 (&b)[4])
    {
        const __m256 low = _mm256_insertf128_ps(_mm256_castps128_ps256(b[0]), b[1], 1);
        const __m256 high = _mm256_insertf128_ps(_mm256_castps128_ps256(b[2]), b[3], 1);
        return _mm512_insertf32x8(_mm512_zextps256_ps512(low), high, 1);
    }
};

}  // namespace

void runWetChainX16(WetChain& chain) { runWetChain<ChannelX16>(chain); }
