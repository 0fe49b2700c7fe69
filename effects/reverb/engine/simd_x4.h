// Four floats in one SSE2 register, with the few operations the tank needs.
// Each operation is the single IEEE float operation of the scalar code, lane
// by lane, so vector and scalar paths give the same bits.
// Everything here has internal linkage: a translation unit built for a wider
// instruction set may include it without lending its code to the others.
#pragma once

#include <emmintrin.h>

namespace {

struct X4 {
    using V = __m128;
    static constexpr int width = 4;

    static V load(const float* p) { return _mm_loadu_ps(p); }
    static void store(float* p, V v) { _mm_storeu_ps(p, v); }
    static V splat(float x) { return _mm_set1_ps(x); }
    static V zero() { return _mm_setzero_ps(); }
    static V add(V a, V b) { return _mm_add_ps(a, b); }
    static V sub(V a, V b) { return _mm_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm_mul_ps(a, b); }
    // a > b ? a : b, the peak rule: a NaN in a never replaces b.
    static V greater(V a, V b) { return _mm_max_ps(a, b); }
    static V magnitude(V a) { return _mm_and_ps(a, _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff))); }

    // Exponent field all zero (denormals, -0.0) -> +0.0.
    static V flush(V x)
    {
        const __m128i exponent = _mm_and_si128(_mm_castps_si128(x), _mm_set1_epi32(0x7f800000));
        const __m128i tiny = _mm_cmpeq_epi32(exponent, _mm_setzero_si128());
        return _mm_andnot_ps(_mm_castsi128_ps(tiny), x);
    }

    // Exponent field all ones (NaN, infinities) or all zero (denormals,
    // zeros) -> +0.0; magnitudes above 1e20 held there, as tameSample
    // (wet_chain_body.h) does one sample at a time.
    static V tameInput(V x)
    {
        const __m128i mask = _mm_set1_epi32(0x7f800000);
        const __m128i exponent = _mm_and_si128(_mm_castps_si128(x), mask);
        const __m128i bad = _mm_or_si128(_mm_cmpeq_epi32(exponent, mask),
                                         _mm_cmpeq_epi32(exponent, _mm_setzero_si128()));
        const V finite = _mm_andnot_ps(_mm_castsi128_ps(bad), x);
        return _mm_min_ps(_mm_max_ps(finite, _mm_set1_ps(-1.0e20f)), _mm_set1_ps(1.0e20f));
    }

    static void transpose(V (&rows)[4])
    {
        const V t0 = _mm_unpacklo_ps(rows[0], rows[1]);
        const V t1 = _mm_unpacklo_ps(rows[2], rows[3]);
        const V t2 = _mm_unpackhi_ps(rows[0], rows[1]);
        const V t3 = _mm_unpackhi_ps(rows[2], rows[3]);
        rows[0] = _mm_movelh_ps(t0, t1);
        rows[1] = _mm_movehl_ps(t1, t0);
        rows[2] = _mm_movelh_ps(t2, t3);
        rows[3] = _mm_movehl_ps(t3, t2);
    }

    static float largest(V v)
    {
        float lanes[4];
        store(lanes, v);
        float best = lanes[0];
        for (int i = 1; i < 4; ++i)
            best = lanes[i] > best ? lanes[i] : best;
        return best;
    }
};

}  // namespace
