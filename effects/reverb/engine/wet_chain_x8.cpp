// The wet chain with AVX2: eight samples of a channel per register.
#include "effects/reverb/engine/simd_x8.h"

#include "effects/reverb/engine/wet_chain_body.h"

namespace {

struct ChannelX8 : X8 {
    static float largest(V v)
    {
        const __m128 four = _mm_max_ps(_mm256_castps256_ps128(v), _mm256_extractf128_ps(v, 1));
        const __m128 two = _mm_max_ps(four, _mm_movehl_ps(four, four));
        return _mm_cvtss_f32(_mm_max_ss(two, _mm_shuffle_ps(two, two, _MM_SHUFFLE(1, 1, 1, 1))));
    }

    static V tameInput(V a)
    {
        const __m256i mask = _mm256_set1_epi32(0x7f800000);
        const __m256i exponent = _mm256_and_si256(_mm256_castps_si256(a), mask);
        const __m256i bad = _mm256_or_si256(_mm256_cmpeq_epi32(exponent, mask),
                                            _mm256_cmpeq_epi32(exponent, _mm256_setzero_si256()));
        const V finite = _mm256_andnot_ps(_mm256_castsi256_ps(bad), a);
        return _mm256_min_ps(_mm256_max_ps(finite, _mm256_set1_ps(-1.0e20f)), _mm256_set1_ps(1.0e20f));
    }
    static V magnitude(V a) { return _mm256_and_ps(a, _mm256_castsi256_ps(_mm256_set1_epi32(0x7fffffff))); }
    // a > b ? a : b, the peak rule: a NaN in a never replaces b.
    static V greater(V a, V b) { return _mm256_max_ps(a, b); }

    static V history(float x3, float x2, float x1)
    {
        return _mm256_setr_ps(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, x3, x2, x1);
    }

    // The samples n places before those of `now`, reaching into `previous`.
    template <int n>
    static V shifted(V previous, V now)
    {
        const __m256i straddle = _mm256_castps_si256(_mm256_permute2f128_ps(previous, now, 0x21));
        return _mm256_castsi256_ps(_mm256_alignr_epi8(_mm256_castps_si256(now), straddle, 16 - 4 * n));
    }

    // [a0 b0 a1 b1 ...] into out, 16 floats.
    static void interleave(V a, V b, float* out)
    {
        const __m256 low = _mm256_unpacklo_ps(a, b);   // [a0 b0 a1 b1 | a4 b4 a5 b5]
        const __m256 high = _mm256_unpackhi_ps(a, b);  // [a2 b2 a3 b3 | a6 b6 a7 b7]
        _mm256_storeu_ps(out, _mm256_permute2f128_ps(low, high, 0x20));
        _mm256_storeu_ps(out + 8, _mm256_permute2f128_ps(low, high, 0x31));
    }

    static void fromPairs(const __m128 (&ys)[8], V& left, V& right)
    {
        // Blocks [L0 R0 L1 R1 | L4 R4 L5 R5] and [L2 R2 L3 R3 | L6 R6 L7 R7].
        const __m256 even = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_movelh_ps(ys[0], ys[1])),
                                                 _mm_movelh_ps(ys[4], ys[5]), 1);
        const __m256 odd = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_movelh_ps(ys[2], ys[3])),
                                                _mm_movelh_ps(ys[6], ys[7]), 1);
        left = _mm256_shuffle_ps(even, odd, _MM_SHUFFLE(2, 0, 2, 0));
        right = _mm256_shuffle_ps(even, odd, _MM_SHUFFLE(3, 1, 3, 1));
    }
};

}  // namespace

void runWetChainX8(WetChain& chain) { runWetChain<ChannelX8>(chain); }

void mixTankInputX8(float* into, const float* inLeft, const float* inRight, int frames, float inputHalf)
{
    mixTankInput<ChannelX8>(into, inLeft, inRight, frames, inputHalf);
}
