// The comb kernels on eight AVX2 lanes. Built with -mavx2 (never -mfma: a
// fused multiply-add would round differently from the comb step).
#include "effects/reverb/engine/simd_x8.h"

#include "effects/reverb/engine/comb_kernel_body.h"

namespace {

// 4 x 4 transposes in both 128-bit halves at once.
inline void transposeHalves(__m256& r0, __m256& r1, __m256& r2, __m256& r3)
{
    const __m256 t0 = _mm256_unpacklo_ps(r0, r1);
    const __m256 t1 = _mm256_unpacklo_ps(r2, r3);
    const __m256 t2 = _mm256_unpackhi_ps(r0, r1);
    const __m256 t3 = _mm256_unpackhi_ps(r2, r3);
    r0 = _mm256_shuffle_ps(t0, t1, _MM_SHUFFLE(1, 0, 1, 0));
    r1 = _mm256_shuffle_ps(t0, t1, _MM_SHUFFLE(3, 2, 3, 2));
    r2 = _mm256_shuffle_ps(t2, t3, _MM_SHUFFLE(1, 0, 1, 0));
    r3 = _mm256_shuffle_ps(t2, t3, _MM_SHUFFLE(3, 2, 3, 2));
}

// Four samples of a left comb beside the same four of its right twin.
inline __m256 loadTwins(const float* left, const float* right)
{
    return _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(left)), _mm_loadu_ps(right), 1);
}

inline void storeTwins(float* left, float* right, __m256 v)
{
    _mm_storeu_ps(left, _mm256_castps256_ps128(v));
    _mm_storeu_ps(right, _mm256_extractf128_ps(v, 1));
}

// A group's lanes are four left combs, then their four right twins, so a
// tile of 8 samples loads as twin rows [left k | right k] for samples 0-3
// (tile[k]) and 4-7 (tile[4 + k]). Summing twin rows adds the left and the
// right outputs in one go; in-lane transposes then give one vector per
// sample with the lanes in group order.
template <int G>
void dampedTiles(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    __m256 store[G], w1[G], w2[G], fb[G];
    for (int g = 0; g < G; ++g) {
        store[g] = X8::load(lanes.filterStore + 8 * g);
        w1[g] = X8::load(lanes.weight1 + 8 * g);
        w2[g] = X8::load(lanes.weight2 + 8 * g);
        fb[g] = X8::load(lanes.feedback + 8 * g);
    }
    for (int t = 0; t < frames; t += 8) {
        __m256 tile[G][8];
        __m256 early = X8::zero();  // sums of samples 0-3: [left | right]
        __m256 late = X8::zero();   // and of samples 4-7
        for (int g = 0; g < G; ++g) {
            for (int k = 0; k < 4; ++k) {
                const float* left = lanes.source[8 * g + k] + t;
                const float* right = lanes.source[8 * g + 4 + k] + t;
                tile[g][k] = X8::flush(loadTwins(left, right));
                tile[g][4 + k] = X8::flush(loadTwins(left + 4, right + 4));
            }
            const int pairs = lanes.pairsInGroup[g] < 4 ? lanes.pairsInGroup[g] : 4;
            for (int k = 0; k < pairs; ++k) {
                const bool first = g == 0 && k == 0;
                early = first ? tile[g][k] : X8::add(early, tile[g][k]);
                late = first ? tile[g][4 + k] : X8::add(late, tile[g][4 + k]);
            }
            transposeHalves(tile[g][0], tile[g][1], tile[g][2], tile[g][3]);
            transposeHalves(tile[g][4], tile[g][5], tile[g][6], tile[g][7]);
        }
        storeTwins(sumLeft + t, sumRight + t, early);
        storeTwins(sumLeft + t + 4, sumRight + t + 4, late);

        for (int j = 0; j < 8; ++j) {
            const __m256 s = X8::splat(input[t + j]);
            for (int g = 0; g < G; ++g) {
                store[g] = X8::flush(X8::add(X8::mul(tile[g][j], w2[g]), X8::mul(store[g], w1[g])));
                tile[g][j] = X8::add(s, X8::mul(store[g], fb[g]));
            }
        }

        for (int g = 0; g < G; ++g) {
            transposeHalves(tile[g][0], tile[g][1], tile[g][2], tile[g][3]);
            transposeHalves(tile[g][4], tile[g][5], tile[g][6], tile[g][7]);
            for (int k = 0; k < 4; ++k) {
                float* left = lanes.target[8 * g + k] + t;
                float* right = lanes.target[8 * g + 4 + k] + t;
                storeTwins(left, right, tile[g][k]);
                storeTwins(left + 4, right + 4, tile[g][4 + k]);
            }
        }
    }
    for (int g = 0; g < G; ++g)
        X8::store(lanes.filterStore + 8 * g, store[g]);
}

}  // namespace

void dampedCombsX8(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    const int tiled = frames - frames % 8;
    if (tiled > 0) {
        switch (lanes.groupCount) {
        case 1: dampedTiles<1>(lanes, input, sumLeft, sumRight, tiled); break;
        case 2: dampedTiles<2>(lanes, input, sumLeft, sumRight, tiled); break;
        default: dampedTiles<3>(lanes, input, sumLeft, sumRight, tiled); break;
        }
    }
    dampedCombTail(lanes, input, sumLeft, sumRight, tiled, frames);
}

void undampedCombsX8(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    undampedCombs<X8>(lanes, input, sumLeft, sumRight, frames);
}
