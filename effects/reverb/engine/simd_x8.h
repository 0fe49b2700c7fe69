// Eight floats in one AVX register: the wide twin of X4, for the translation
// unit built with AVX2. Internal linkage for the same reason as X4.
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

    static void transpose(V (&r)[8])
    {
        const V t0 = _mm256_unpacklo_ps(r[0], r[1]);
        const V t1 = _mm256_unpackhi_ps(r[0], r[1]);
        const V t2 = _mm256_unpacklo_ps(r[2], r[3]);
        const V t3 = _mm256_unpackhi_ps(r[2], r[3]);
        const V t4 = _mm256_unpacklo_ps(r[4], r[5]);
        const V t5 = _mm256_unpackhi_ps(r[4], r[5]);
        const V t6 = _mm256_unpacklo_ps(r[6], r[7]);
        const V t7 = _mm256_unpackhi_ps(r[6], r[7]);
        const V u0 = _mm256_shuffle_ps(t0, t2, _MM_SHUFFLE(1, 0, 1, 0));
        const V u1 = _mm256_shuffle_ps(t0, t2, _MM_SHUFFLE(3, 2, 3, 2));
        const V u2 = _mm256_shuffle_ps(t1, t3, _MM_SHUFFLE(1, 0, 1, 0));
        const V u3 = _mm256_shuffle_ps(t1, t3, _MM_SHUFFLE(3, 2, 3, 2));
        const V u4 = _mm256_shuffle_ps(t4, t6, _MM_SHUFFLE(1, 0, 1, 0));
        const V u5 = _mm256_shuffle_ps(t4, t6, _MM_SHUFFLE(3, 2, 3, 2));
        const V u6 = _mm256_shuffle_ps(t5, t7, _MM_SHUFFLE(1, 0, 1, 0));
        const V u7 = _mm256_shuffle_ps(t5, t7, _MM_SHUFFLE(3, 2, 3, 2));
        r[0] = _mm256_permute2f128_ps(u0, u4, 0x20);
        r[1] = _mm256_permute2f128_ps(u1, u5, 0x20);
        r[2] = _mm256_permute2f128_ps(u2, u6, 0x20);
        r[3] = _mm256_permute2f128_ps(u3, u7, 0x20);
        r[4] = _mm256_permute2f128_ps(u0, u4, 0x31);
        r[5] = _mm256_permute2f128_ps(u1, u5, 0x31);
        r[6] = _mm256_permute2f128_ps(u2, u6, 0x31);
        r[7] = _mm256_permute2f128_ps(u3, u7, 0x31);
    }
};

}  // namespace
