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

// One tile is 8 samples of every lane: tile[g][j] holds the lanes of group g
// at sample j.
template <int G>
using Tile = float[G][8][8];

// A group's lanes are four left combs, then their four right twins, so the
// tile loads as twin rows [left k | right k] of samples 0-3 and 4-7. Summing
// twin rows adds the left and the right outputs in one go, in pair order;
// in-lane transposes then give one vector per sample, lanes in group order.
template <int G>
inline void loadTile(const CombLanes& lanes, float* const* base, int t, Tile<G>& tile, float* sumLeft, float* sumRight)
{
    __m256 early = X8::zero();  // sums of samples 0-3: [left | right]
    __m256 late = X8::zero();   // and of samples 4-7
    for (int g = 0; g < G; ++g) {
        __m256 r[8];
        for (int k = 0; k < 4; ++k) {
            const float* left = base[8 * g + k] + t;
            const float* right = base[8 * g + 4 + k] + t;
            r[k] = X8::flush(loadTwins(left, right));
            r[4 + k] = X8::flush(loadTwins(left + 4, right + 4));
        }
        const int pairs = lanes.pairsInGroup[g] < 4 ? lanes.pairsInGroup[g] : 4;
        for (int k = 0; k < pairs; ++k) {
            const bool first = g == 0 && k == 0;
            early = first ? r[k] : X8::add(early, r[k]);
            late = first ? r[4 + k] : X8::add(late, r[4 + k]);
        }
        transposeHalves(r[0], r[1], r[2], r[3]);
        transposeHalves(r[4], r[5], r[6], r[7]);
        for (int j = 0; j < 8; ++j)
            X8::store(tile[g][j], r[j]);
    }
    storeTwins(sumLeft + t, sumRight + t, early);
    storeTwins(sumLeft + t + 4, sumRight + t + 4, late);
}

template <int G>
inline void storeTile(const CombLanes& lanes, float* const* base, int t, Tile<G>& tile)
{
    for (int g = 0; g < G; ++g) {
        __m256 r[8];
        for (int j = 0; j < 8; ++j)
            r[j] = X8::load(tile[g][j]);
        transposeHalves(r[0], r[1], r[2], r[3]);
        transposeHalves(r[4], r[5], r[6], r[7]);
        const int pairs = lanes.pairsInGroup[g];
        for (int k = 0; k < 4; ++k) {
            if (k >= pairs)
                break;  // lanes of pairs that do not run are never written
            float* left = base[8 * g + k] + t;
            float* right = base[8 * g + 4 + k] + t;
            storeTwins(left, right, r[k]);
            storeTwins(left + 4, right + 4, r[4 + k]);
        }
    }
}

// The comb step on a tile, in place: delayed samples in, line values out.
template <int G>
inline void stepTile(const float* input, Tile<G>& tile, __m256 (&store)[G], const __m256* w1, const __m256* w2,
                     const __m256* fb)
{
#pragma GCC unroll 8
    for (int j = 0; j < 8; ++j) {
        const __m256 s = X8::splat(input[j]);
#pragma GCC unroll 3
        for (int g = 0; g < G; ++g) {
            const __m256 weighted = X8::mul(X8::load(tile[g][j]), w2[g]);
            store[g] = X8::flush(X8::add(weighted, X8::mul(store[g], w1[g])));
            X8::store(tile[g][j], X8::add(s, X8::mul(store[g], fb[g])));
        }
    }
}

// The same step without flushing the filter store, which shortens the
// sample-to-sample recurrence by the three operations of the flush. With
// plain weights (damping weights in [0, 1], the second at least 1/4) and
// flushed delayed samples, a store can be a -0.0 only if both of its terms
// are, which they cannot be; so the flush changes a store only when the
// store is a denormal. The step reports whether any was, and the caller then
// runs the tile again with the flushing step.
template <int G>
inline bool stepTileUnflushed(const float* input, Tile<G>& tile, __m256 (&store)[G], const __m256* w1, const __m256* w2,
                              const __m256* fb)
{
    // Per lane, the smallest (|bits| + 0x7fffffff) as a signed integer:
    // denormals land below 0x807fffff, zero far above, normals at or above it.
    const __m256i magnitude = _mm256_set1_epi32(0x7fffffff);
    __m256i smallest = magnitude;
#pragma GCC unroll 8
    for (int j = 0; j < 8; ++j) {
        const __m256 s = X8::splat(input[j]);
#pragma GCC unroll 3
        for (int g = 0; g < G; ++g) {
            const __m256 weighted = X8::mul(X8::load(tile[g][j]), w2[g]);
            store[g] = X8::add(weighted, X8::mul(store[g], w1[g]));
            const __m256i bits = _mm256_and_si256(_mm256_castps_si256(store[g]), magnitude);
            smallest = _mm256_min_epi32(smallest, _mm256_add_epi32(bits, magnitude));
            X8::store(tile[g][j], X8::add(s, X8::mul(store[g], fb[g])));
        }
    }
    const __m256i denormal = _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int>(0x807fffffu)), smallest);
    return _mm256_testz_si256(denormal, denormal) != 0;
}

// Tiles are loaded one ahead of the one being stepped, so the loads and
// transposes of the next tile overlap the recurrence of this one.
template <int G>
void dampedTiles(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    TileRows<8, CombLanes::maxLanes> rows(lanes.line, lanes.length, lanes.index, 8 * G, frames);
    Tile<G> tiles[2];
    __m256 store[G], w1[G], w2[G], fb[G];
    for (int g = 0; g < G; ++g) {
        store[g] = X8::load(lanes.filterStore + 8 * g);
        w1[g] = X8::load(lanes.weight1 + 8 * g);
        w2[g] = X8::load(lanes.weight2 + 8 * g);
        fb[g] = X8::load(lanes.feedback + 8 * g);
    }
    rows.beforeRead(0);
    loadTile<G>(lanes, rows.readBase, 0, tiles[0], sumLeft, sumRight);
    for (int t = 0; t < frames; t += 8) {
        const int now = (t / 8) & 1;
        rows.beforeWrite(t);
        if (t + 8 < frames) {
            rows.beforeRead(t + 8);
            loadTile<G>(lanes, rows.readBase, t + 8, tiles[1 - now], sumLeft, sumRight);
        }
        bool done = false;
        if (lanes.plainWeights) {
            __m256 before[G];
            for (int g = 0; g < G; ++g)
                before[g] = store[g];
            done = stepTileUnflushed<G>(input + t, tiles[now], store, w1, w2, fb);
            if (!done) {
                for (int g = 0; g < G; ++g)
                    store[g] = before[g];
                loadTile<G>(lanes, rows.writeBase, t, tiles[now], sumLeft, sumRight);  // not yet written
            }
        }
        if (!done)
            stepTile<G>(input + t, tiles[now], store, w1, w2, fb);
        storeTile<G>(lanes, rows.writeBase, t, tiles[now]);
    }
    rows.finish();
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
