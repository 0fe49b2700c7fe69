// The comb kernels on sixteen AVX-512 lanes. Built with AVX-512 F, VL and DQ
// (never FMA: a fused multiply-add would round differently from the comb
// step).
//
// Lanes follow CombLanes with width 16: lanes 0-7 are the left combs of
// pairs 1-8 and lanes 8-15 their right twins; pairs 9 and 10 sit in lanes
// 16, 17 (left) and 24, 25 (right). The first eight pairs step as one
// 512-bit vector per sample, and pairs 9 and 10, when they run, as a
// 128-bit "quad" [L9 L10 R9 R10] beside it, so no lane steps silence at
// the highest quality.
#include "effects/reverb/engine/simd_x8.h"

#include "effects/reverb/engine/comb_kernel_body.h"

namespace {

constexpr int quadLanes[4] = {16, 17, 24, 25};

// Exponent field all zero (denormals, -0.0) -> +0.0.
inline __m512 flush16(__m512 x)
{
    const __mmask16 tiny = _mm512_fpclass_ps_mask(x, 0x26);  // +0, -0, denormal
    return _mm512_mask_mov_ps(x, tiny, _mm512_setzero_ps());
}

inline __m128 flush4(__m128 x)
{
    const __mmask8 tiny = _mm_fpclass_ps_mask(x, 0x26);
    return _mm_mask_mov_ps(x, tiny, _mm_setzero_ps());
}

// Eight samples of a left comb beside the same eight of its right twin.
inline __m512 loadTwins(const float* left, const float* right)
{
    return _mm512_insertf32x8(_mm512_zextps256_ps512(_mm256_loadu_ps(left)), _mm256_loadu_ps(right), 1);
}

inline void storeTwins(float* left, float* right, __m512 v)
{
    _mm256_storeu_ps(left, _mm512_castps512_ps256(v));
    _mm256_storeu_ps(right, _mm512_extractf32x8_ps(v, 1));
}

// 8 x 8 transposes in both 256-bit halves at once: twin rows (one comb's
// eight samples per half) to one vector per sample, lanes in comb order,
// and, being its own inverse, back.
inline void transposeHalves(__m512 (&r)[8])
{
    __m512 t[8];
    for (int k = 0; k < 4; ++k) {
        t[2 * k] = _mm512_unpacklo_ps(r[2 * k], r[2 * k + 1]);
        t[2 * k + 1] = _mm512_unpackhi_ps(r[2 * k], r[2 * k + 1]);
    }
    __m512 u[8];
    for (int h = 0; h < 2; ++h) {
        const __m512* th = t + 4 * h;
        u[4 * h + 0] = _mm512_shuffle_ps(th[0], th[2], _MM_SHUFFLE(1, 0, 1, 0));
        u[4 * h + 1] = _mm512_shuffle_ps(th[0], th[2], _MM_SHUFFLE(3, 2, 3, 2));
        u[4 * h + 2] = _mm512_shuffle_ps(th[1], th[3], _MM_SHUFFLE(1, 0, 1, 0));
        u[4 * h + 3] = _mm512_shuffle_ps(th[1], th[3], _MM_SHUFFLE(3, 2, 3, 2));
    }
    const __m512i early = _mm512_setr_epi32(0, 1, 2, 3, 16, 17, 18, 19, 8, 9, 10, 11, 24, 25, 26, 27);
    const __m512i late = _mm512_setr_epi32(4, 5, 6, 7, 20, 21, 22, 23, 12, 13, 14, 15, 28, 29, 30, 31);
    for (int j = 0; j < 4; ++j) {
        r[j] = _mm512_permutex2var_ps(u[j], early, u[j + 4]);
        r[j + 4] = _mm512_permutex2var_ps(u[j], late, u[j + 4]);
    }
}

// One tile: eight samples of every running comb, one vector per sample.
struct Tile {
    __m512 main[8];
    __m128 quad[8];
    bool large;  // every delayed sample at least 2^-98 in magnitude (see allLarge)
};

// The bits of |x|: integer order is magnitude order (infinities and NaN
// above all finite values).
inline __m512i magnitudeBits(__m512 x)
{
    return _mm512_and_si512(_mm512_castps_si512(x), _mm512_set1_epi32(0x7fffffff));
}

// Whether every lane of `smallest` (magnitude bits) is at least 2^-98. Below
// a delayed sample of that size a filter store can become a denormal; with
// every delayed sample of a tile above it and plain weights, w2 x is at
// least 2^-100, so a sum that cancels it is a multiple of 2^-124 and either
// exactly zero or no denormal. Neither flush can then change anything.
inline bool allLarge(__m512i smallest)
{
    return _mm512_cmplt_epu32_mask(smallest, _mm512_set1_epi32(0x0e800000)) == 0;
}

// Loads a tile (flushed) and writes the comb sums of its samples. A tile of
// large samples needs no flushing.
// Pairs is the number of running pairs in the first eight, when the caller
// knows it at compile time, else 0.
template <int Pairs, bool Quad>
inline void loadTile(const CombLanes& lanes, float* const* base, int t, Tile& tile, float* sumLeft, float* sumRight)
{
    const int pairs = Pairs > 0 ? Pairs : lanes.pairsInGroup[0];
    __m512 r[8];
    __m512i smallest = _mm512_set1_epi32(0x7fffffff);
    for (int k = 0; k < 8; ++k) {
        r[k] = loadTwins(base[k] + t, base[8 + k] + t);
        if (k < pairs)  // the lanes of pairs that do not run read silence
            smallest = _mm512_min_epu32(smallest, magnitudeBits(r[k]));
    }
    __m512 nine = _mm512_setzero_ps();
    __m512 ten = _mm512_setzero_ps();
    if constexpr (Quad) {
        nine = loadTwins(base[quadLanes[0]] + t, base[quadLanes[2]] + t);
        ten = loadTwins(base[quadLanes[1]] + t, base[quadLanes[3]] + t);
        smallest = _mm512_min_epu32(smallest, magnitudeBits(nine));
        if (lanes.pairsInGroup[1] > 1)
            smallest = _mm512_min_epu32(smallest, magnitudeBits(ten));
    }
    tile.large = allLarge(smallest);
    if (!tile.large) {
        for (int k = 0; k < 8; ++k)
            r[k] = flush16(r[k]);
        if constexpr (Quad) {
            nine = flush16(nine);
            ten = flush16(ten);
        }
    }
    __m512 sum = r[0];
    for (int k = 1; k < pairs; ++k)
        sum = _mm512_add_ps(sum, r[k]);
    if constexpr (Quad) {
        sum = _mm512_add_ps(sum, nine);
        if (lanes.pairsInGroup[1] > 1)
            sum = _mm512_add_ps(sum, ten);
        const __m512i first = _mm512_setr_epi32(0, 16, 8, 24, 1, 17, 9, 25, 2, 18, 10, 26, 3, 19, 11, 27);
        const __m512i second = _mm512_setr_epi32(4, 20, 12, 28, 5, 21, 13, 29, 6, 22, 14, 30, 7, 23, 15, 31);
        const __m512 y0 = _mm512_permutex2var_ps(nine, first, ten);
        const __m512 y1 = _mm512_permutex2var_ps(nine, second, ten);
        tile.quad[0] = _mm512_castps512_ps128(y0);
        tile.quad[1] = _mm512_extractf32x4_ps(y0, 1);
        tile.quad[2] = _mm512_extractf32x4_ps(y0, 2);
        tile.quad[3] = _mm512_extractf32x4_ps(y0, 3);
        tile.quad[4] = _mm512_castps512_ps128(y1);
        tile.quad[5] = _mm512_extractf32x4_ps(y1, 1);
        tile.quad[6] = _mm512_extractf32x4_ps(y1, 2);
        tile.quad[7] = _mm512_extractf32x4_ps(y1, 3);
    }
    storeTwins(sumLeft + t, sumRight + t, sum);
    transposeHalves(r);
    for (int j = 0; j < 8; ++j)
        tile.main[j] = r[j];
}

template <int Pairs, bool Quad>
inline void storeTile(const CombLanes& lanes, float* const* base, int t, const Tile& tile)
{
    __m512 r[8];
    for (int j = 0; j < 8; ++j)
        r[j] = tile.main[j];
    transposeHalves(r);
    const int pairs = Pairs > 0 ? Pairs : lanes.pairsInGroup[0];
    for (int k = 0; k < pairs; ++k)
        storeTwins(base[k] + t, base[8 + k] + t, r[k]);
    if constexpr (Quad) {
        __m512 y0 = _mm512_zextps128_ps512(tile.quad[0]);
        y0 = _mm512_insertf32x4(y0, tile.quad[1], 1);
        y0 = _mm512_insertf32x4(y0, tile.quad[2], 2);
        y0 = _mm512_insertf32x4(y0, tile.quad[3], 3);
        __m512 y1 = _mm512_zextps128_ps512(tile.quad[4]);
        y1 = _mm512_insertf32x4(y1, tile.quad[5], 1);
        y1 = _mm512_insertf32x4(y1, tile.quad[6], 2);
        y1 = _mm512_insertf32x4(y1, tile.quad[7], 3);
        // Back to [L9 | R9] and [L10 | R10], eight samples each.
        const __m512i nine = _mm512_setr_epi32(0, 4, 8, 12, 16, 20, 24, 28, 2, 6, 10, 14, 18, 22, 26, 30);
        const __m512i ten = _mm512_setr_epi32(1, 5, 9, 13, 17, 21, 25, 29, 3, 7, 11, 15, 19, 23, 27, 31);
        storeTwins(base[quadLanes[0]] + t, base[quadLanes[2]] + t, _mm512_permutex2var_ps(y0, nine, y1));
        if (lanes.pairsInGroup[1] > 1)  // pair 10 may stand still (it reads silence then)
            storeTwins(base[quadLanes[1]] + t, base[quadLanes[3]] + t, _mm512_permutex2var_ps(y0, ten, y1));
    }
}

struct Weights {
    __m512 w1, w2, fb;
    __m128 quadW1, quadW2, quadFb;
};

// The comb step on a tile, in place: delayed samples in, line values out.
template <bool Quad>
inline void stepTile(const float* input, Tile& tile, __m512& store, __m128& quadStore, const Weights& w)
{
#pragma GCC unroll 8
    for (int j = 0; j < 8; ++j) {
        const __m512 s = _mm512_set1_ps(input[j]);
        store = flush16(_mm512_add_ps(_mm512_mul_ps(tile.main[j], w.w2), _mm512_mul_ps(store, w.w1)));
        tile.main[j] = _mm512_add_ps(s, _mm512_mul_ps(store, w.fb));
        if constexpr (Quad) {
            quadStore = flush4(_mm_add_ps(_mm_mul_ps(tile.quad[j], w.quadW2), _mm_mul_ps(quadStore, w.quadW1)));
            tile.quad[j] = _mm_add_ps(_mm512_castps512_ps128(s), _mm_mul_ps(quadStore, w.quadFb));
        }
    }
}

// The same step without flushing the filter stores (see the AVX2 kernel):
// with plain weights only a denormal store could be changed by the flush,
// so the step reports whether one arose and the caller then runs the tile
// again with the flushing step.
template <bool Quad, bool Check = true>
inline bool stepTileUnflushed(const float* input, Tile& tile, __m512& store, __m128& quadStore, const Weights& w)
{
    __mmask16 denormal = 0;
    __mmask8 quadDenormal = 0;
#pragma GCC unroll 8
    for (int j = 0; j < 8; ++j) {
        const __m512 s = _mm512_set1_ps(input[j]);
        store = _mm512_add_ps(_mm512_mul_ps(tile.main[j], w.w2), _mm512_mul_ps(store, w.w1));
        if constexpr (Check)
            denormal |= _mm512_fpclass_ps_mask(store, 0x20);
        tile.main[j] = _mm512_add_ps(s, _mm512_mul_ps(store, w.fb));
        if constexpr (Quad) {
            quadStore = _mm_add_ps(_mm_mul_ps(tile.quad[j], w.quadW2), _mm_mul_ps(quadStore, w.quadW1));
            if constexpr (Check)
                quadDenormal |= _mm_fpclass_ps_mask(quadStore, 0x20);
            tile.quad[j] = _mm_add_ps(_mm512_castps512_ps128(s), _mm_mul_ps(quadStore, w.quadFb));
        }
    }
    return denormal == 0 && quadDenormal == 0;
}

inline __m128 quadOf(const float* values)
{
    return _mm_setr_ps(values[quadLanes[0]], values[quadLanes[1]], values[quadLanes[2]], values[quadLanes[3]]);
}

// Each tile is loaded, stepped and stored in one pass. The processor's own
// look-ahead overlaps the loads and transposes of the next tile with the
// recurrence of this one; loading it a tile ahead by hand would need more
// registers than there are.
template <int Pairs, bool Quad>
void dampedTiles(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    TileRows<8, CombLanes::maxLanes> rows(lanes.line, lanes.length, lanes.index, Quad ? 32 : 16, frames);
    Weights w;
    w.w1 = _mm512_loadu_ps(lanes.weight1);
    w.w2 = _mm512_loadu_ps(lanes.weight2);
    w.fb = _mm512_loadu_ps(lanes.feedback);
    w.quadW1 = quadOf(lanes.weight1);
    w.quadW2 = quadOf(lanes.weight2);
    w.quadFb = quadOf(lanes.feedback);
    __m512 store = _mm512_loadu_ps(lanes.filterStore);
    __m128 quadStore = quadOf(lanes.filterStore);

    for (int t = 0; t < frames; t += 8) {
        rows.beforeTile(t);
        Tile now;
        loadTile<Pairs, Quad>(lanes, rows.readBase, t, now, sumLeft, sumRight);
        bool done = false;
        if (lanes.plainWeights && now.large) {
            done = stepTileUnflushed<Quad, false>(input + t, now, store, quadStore, w);
        } else if (lanes.plainWeights) {
            const __m512 before = store;
            const __m128 quadBefore = quadStore;
            done = stepTileUnflushed<Quad>(input + t, now, store, quadStore, w);
            if (!done) {
                store = before;
                quadStore = quadBefore;
                loadTile<Pairs, Quad>(lanes, rows.writeBase, t, now, sumLeft, sumRight);  // not yet written
            }
        }
        if (!done)
            stepTile<Quad>(input + t, now, store, quadStore, w);
        storeTile<Pairs, Quad>(lanes, rows.writeBase, t, now);
    }
    rows.finish();
    _mm512_storeu_ps(lanes.filterStore, store);
    float quad[4];
    _mm_storeu_ps(quad, quadStore);
    for (int k = 0; k < 4; ++k)
        lanes.filterStore[quadLanes[k]] = quad[k];
}

}  // namespace

void dampedCombsX16(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    const int tiled = frames - frames % 8;
    if (tiled > 0) {
        // The pair counts the effect sets get loops unrolled for them.
        if (lanes.groupCount > 1)
            dampedTiles<8, true>(lanes, input, sumLeft, sumRight, tiled);
        else if (lanes.pairsInGroup[0] == 8)
            dampedTiles<8, false>(lanes, input, sumLeft, sumRight, tiled);
        else if (lanes.pairsInGroup[0] == 6)
            dampedTiles<6, false>(lanes, input, sumLeft, sumRight, tiled);
        else if (lanes.pairsInGroup[0] == 4)
            dampedTiles<4, false>(lanes, input, sumLeft, sumRight, tiled);
        else
            dampedTiles<0, false>(lanes, input, sumLeft, sumRight, tiled);
    }
    dampedCombTail(lanes, input, sumLeft, sumRight, tiled, frames);
}

void undampedCombsX16(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    undampedCombs<X8>(lanes, input, sumLeft, sumRight, frames);
}
