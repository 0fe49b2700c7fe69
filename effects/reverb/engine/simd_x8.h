// Eight floats in one AVX register: the wide twin of X4, for the translation
// units built with AVX2. Internal linkage for the same reason as X4.
#pragma once

#include <immintrin.h>

namespace {

struct X8 {
    using V = __m256;
    static constexpr int width = 8;

    static V load(const float* p) { return _mm256_loadu_ps(p); }
    static void store(float* p, V v) { _mm256_storeu_ps(p, v); }
    static V splat(float x) { return _mm256_set1_ps(x); }
    static V zero() { return _mm256_setzero_ps(); }
    static V add(V a, V b) { return _mm256_add_ps(a, b); }
    static V sub(V a, V b) { return _mm256_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm256_mul_ps(a, b); }

    static V flush(V x)
    {
        const __m256i exponent = _mm256_and_si256(_mm256_castps_si256(x), _mm256_set1_epi32(0x7f800000));
        const __m256i tiny = _mm256_cmpeq_epi32(exponent, _mm256_setzero_si256());
        return _mm256_andnot_ps(_mm256_castsi256_ps(tiny), x);
    }
};

}  // namespace
