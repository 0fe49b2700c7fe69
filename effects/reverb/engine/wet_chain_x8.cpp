// The wet chain with AVX2: eight samples of a channel per register.
#include "effects/reverb/engine/simd_x8.h"

#include "effects/reverb/engine/wet_chain_body.h"

namespace {

struct ChannelX8 : X8 {
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

    static void lowPass(V highLeft, V highRight, __m128& y, __m128 a0, __m128 b1, V& lowLeft, V& lowRight)
    {
        const __m256 even = _mm256_unpacklo_ps(highLeft, highRight);  // [L0 R0 L1 R1 | L4 R4 L5 R5]
        const __m256 odd = _mm256_unpackhi_ps(highLeft, highRight);   // [L2 R2 L3 R3 | L6 R6 L7 R7]
        __m128 y01, y23, y45, y67;
        lowPassFour(_mm256_castps256_ps128(even), _mm256_castps256_ps128(odd), y, a0, b1, y01, y23);
        lowPassFour(_mm256_extractf128_ps(even, 1), _mm256_extractf128_ps(odd, 1), y, a0, b1, y45, y67);
        const __m128 leftLow = _mm_shuffle_ps(y01, y23, _MM_SHUFFLE(2, 0, 2, 0));
        const __m128 rightLow = _mm_shuffle_ps(y01, y23, _MM_SHUFFLE(3, 1, 3, 1));
        const __m128 leftHigh = _mm_shuffle_ps(y45, y67, _MM_SHUFFLE(2, 0, 2, 0));
        const __m128 rightHigh = _mm_shuffle_ps(y45, y67, _MM_SHUFFLE(3, 1, 3, 1));
        lowLeft = _mm256_insertf128_ps(_mm256_castps128_ps256(leftLow), leftHigh, 1);
        lowRight = _mm256_insertf128_ps(_mm256_castps128_ps256(rightLow), rightHigh, 1);
    }
};

}  // namespace

void runWetChainX8(WetChain& chain) { runWetChain<ChannelX8>(chain); }
