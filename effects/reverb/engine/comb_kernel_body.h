// The comb kernels written once over a SIMD width S and instantiated by one
// translation unit per instruction set: the undamped kernel and the
// one-at-a-time tail for both, the damped tiles for SSE2 (the AVX2 and
// AVX-512 units have their own). Everything here has internal linkage, so a
// wider unit's code never stands in for the SSE2 unit's at link time.
//
// Per lane and sample the arithmetic is exactly the comb step:
//   out = flush(line), store = flush(out * w2 + store * w1),
//   line = input + store * feedback,
// and the sums add the outputs in pair order, so every bit matches the
// per-sample step.
#pragma once

#include "effects/reverb/engine/comb_lanes.h"
#include "effects/reverb/engine/tile_rows.h"

#include <cstdint>
#include <cstring>

namespace {

inline float flushOne(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return (bits & 0x7f800000u) == 0 ? 0.0f : x;
}

inline float& laneSample(CombLanes& lanes, int lane, int n)
{
    return sampleAt(lanes.line[lane], lanes.length[lane], lanes.index[lane], n);
}

// Samples the tiles did not cover, one at a time.
void dampedCombTail(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int from, int frames)
{
    const int half = lanes.width / 2;
    for (int n = from; n < frames; ++n) {
        for (int side = 0; side < 2; ++side) {
            float sum = 0.0f;
            bool first = true;
            for (int g = 0; g < lanes.groupCount; ++g)
                for (int k = 0; k < lanes.pairsInGroup[g]; ++k) {
                    const float out = flushOne(laneSample(lanes, g * lanes.width + side * half + k, n));
                    sum = first ? out : sum + out;
                    first = false;
                }
            (side == 0 ? sumLeft : sumRight)[n] = sum;
        }
        for (int lane = 0; lane < lanes.laneCount(); ++lane) {
            if (!lanes.running(lane))
                continue;
            float& line = laneSample(lanes, lane, n);
            const float out = flushOne(line);
            float& store = lanes.filterStore[lane];
            store = flushOne(out * lanes.weight2[lane] + store * lanes.weight1[lane]);
            line = input[n] + store * lanes.feedback[lane];
        }
    }
}

// Whole tiles of S::width samples. The filter store is the only recurrence
// from one sample to the next, so the lanes run across combs: each tile is
// loaded along time (where the outputs are summed), transposed to one vector
// per sample, stepped, transposed back and stored. G groups run side by side
// so that their recurrences overlap in the pipeline.
template <class S, int G>
void dampedCombTiles(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    using V = typename S::V;
    constexpr int W = S::width;
    constexpr int H = W / 2;
    TileRows<W, CombLanes::maxLanes> rows(lanes.line, lanes.length, lanes.index, G * W, frames);
    V store[G], w1[G], w2[G], fb[G];
    for (int g = 0; g < G; ++g) {
        store[g] = S::load(lanes.filterStore + g * W);
        w1[g] = S::load(lanes.weight1 + g * W);
        w2[g] = S::load(lanes.weight2 + g * W);
        fb[g] = S::load(lanes.feedback + g * W);
    }
    for (int t = 0; t < frames; t += W) {
        rows.beforeTile(t);
        V tile[G][W];
        for (int g = 0; g < G; ++g)
            for (int k = 0; k < W; ++k)
                tile[g][k] = S::flush(S::load(rows.readBase[g * W + k] + t));
        V left = tile[0][0];
        V right = tile[0][H];
        for (int g = 0; g < G; ++g) {
            const int pairs = lanes.pairsInGroup[g] < H ? lanes.pairsInGroup[g] : H;
            for (int k = g == 0 ? 1 : 0; k < pairs; ++k) {
                left = S::add(left, tile[g][k]);
                right = S::add(right, tile[g][H + k]);
            }
        }
        S::store(sumLeft + t, left);
        S::store(sumRight + t, right);

        for (int g = 0; g < G; ++g)
            S::transpose(tile[g]);
        for (int j = 0; j < W; ++j) {
            const V s = S::splat(input[t + j]);
            for (int g = 0; g < G; ++g) {
                store[g] = S::flush(S::add(S::mul(tile[g][j], w2[g]), S::mul(store[g], w1[g])));
                tile[g][j] = S::add(s, S::mul(store[g], fb[g]));
            }
        }
        for (int g = 0; g < G; ++g) {
            S::transpose(tile[g]);
            for (int k = 0; k < W; ++k)
                if (k % H < lanes.pairsInGroup[g])
                    S::store(rows.writeBase[g * W + k] + t, tile[g][k]);
        }
    }
    rows.finish();
    for (int g = 0; g < G; ++g)
        S::store(lanes.filterStore + g * W, store[g]);
}

// Picks the tile loop compiled for the lane set's group count.
template <class S, int G = 1>
void dampedCombGroups(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    if constexpr (G <= CombLanes::maxGroups && G * S::width <= CombLanes::maxLanes) {
        if (lanes.groupCount == G)
            dampedCombTiles<S, G>(lanes, input, sumLeft, sumRight, frames);
        else
            dampedCombGroups<S, G + 1>(lanes, input, sumLeft, sumRight, frames);
    }
}

template <class S>
void dampedCombs(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    const int tiled = frames - frames % S::width;
    if (tiled > 0)
        dampedCombGroups<S>(lanes, input, sumLeft, sumRight, tiled);
    dampedCombTail(lanes, input, sumLeft, sumRight, tiled, frames);
}

// One comb over samples [from, to) of the chunk, where its line is the
// contiguous run `line` (index `from` of the chunk at line[0]).
template <class S>
void undampedRun(const float* line, float* writeTo, float feedback, const float* input, float* sum, bool first,
                 int from, int to)
{
    using V = typename S::V;
    const V fb = S::splat(feedback);
    int n = from;
    for (; n + S::width <= to; n += S::width) {
        const V out = S::flush(S::load(line + (n - from)));
        S::store(sum + n, first ? out : S::add(S::load(sum + n), out));
        S::store(writeTo + (n - from), S::add(S::load(input + n), S::mul(out, fb)));
    }
    for (; n < to; ++n) {
        const float out = flushOne(line[n - from]);
        sum[n] = first ? out : sum[n] + out;
        writeTo[n - from] = input[n] + out * feedback;
    }
}

// With no damping the filter store is just the delayed sample, so nothing
// carries from one sample to the next: the lanes run along time, comb by
// comb in pair order, each in at most two runs (before and after its wrap).
template <class S>
void undampedCombs(CombLanes& lanes, const float* input, float* sumLeft, float* sumRight, int frames)
{
    const int half = lanes.width / 2;
    for (int side = 0; side < 2; ++side) {
        float* sum = side == 0 ? sumLeft : sumRight;
        bool first = true;
        for (int g = 0; g < lanes.groupCount; ++g)
            for (int k = 0; k < lanes.pairsInGroup[g]; ++k) {
                const int lane = g * lanes.width + side * half + k;
                lanes.filterStore[lane] = flushOne(laneSample(lanes, lane, frames - 1));
                float* line = lanes.line[lane];
                const int untilWrap = lanes.length[lane] - lanes.index[lane];
                const int split = untilWrap < frames ? untilWrap : frames;
                float* start = line + lanes.index[lane];
                undampedRun<S>(start, start, lanes.feedback[lane], input, sum, first, 0, split);
                if (split < frames)
                    undampedRun<S>(line, line, lanes.feedback[lane], input, sum, first, split, frames);
                first = false;
            }
    }
}

}  // namespace
