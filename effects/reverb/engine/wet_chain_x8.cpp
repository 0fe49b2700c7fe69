// The wet chain with AVX2: one register holds four left samples beside the
// same four right samples, so each operation serves both channels.
#include "effects/reverb/engine/simd_x4.h"
#include "effects/reverb/engine/simd_x8.h"

#include "effects/reverb/engine/wet_chain_body.h"

namespace {

struct StereoX8 {
    using V = __m256;

    static V load(const float* left, const float* right)
    {
        return _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(left)), _mm_loadu_ps(right), 1);
    }
    static void store(float* left, float* right, V v)
    {
        _mm_storeu_ps(left, _mm256_castps256_ps128(v));
        _mm_storeu_ps(right, _mm256_extractf128_ps(v, 1));
    }
    static V splat(float x) { return _mm256_set1_ps(x); }
    static V splat2(float left, float right) { return join(_mm_set1_ps(left), _mm_set1_ps(right)); }
    static V join(__m128 left, __m128 right) { return _mm256_insertf128_ps(_mm256_castps128_ps256(left), right, 1); }
    static __m128 left(V v) { return _mm256_castps256_ps128(v); }
    static __m128 right(V v) { return _mm256_extractf128_ps(v, 1); }
    static V add(V a, V b) { return _mm256_add_ps(a, b); }
    static V sub(V a, V b) { return _mm256_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm256_mul_ps(a, b); }
    static V flush(V a) { return X8::flush(a); }
    static V silenceNonFinite(V a)
    {
        const __m256i mask = _mm256_set1_epi32(0x7f800000);
        const __m256i bad = _mm256_cmpeq_epi32(_mm256_and_si256(_mm256_castps_si256(a), mask), mask);
        return _mm256_andnot_ps(_mm256_castsi256_ps(bad), a);
    }
    static V magnitude(V a) { return _mm256_and_ps(a, _mm256_castsi256_ps(_mm256_set1_epi32(0x7fffffff))); }
    static V greater(V a, V b) { return _mm256_max_ps(a, b); }
    template <int order>
    static V shuffle(V a, V b)
    {
        return _mm256_shuffle_ps(a, b, order);
    }
};

}  // namespace

void runWetChainX8(WetChain& chain) { runWetChain<StereoX8>(chain); }
