// The wet chain written once over a channel vector type C (C::width
// consecutive samples of one channel) and instantiated per instruction set.
// Internal linkage throughout, as in comb_kernel_body.h. Every operation is
// the scalar chain's, lane by lane and in the same order.
//
// C provides the lane-wise operations, largest() across the lanes, and three
// width-specific ones:
// shifted<n>(previous, now), the samples n places earlier; interleave(),
// two channel vectors into [left, right] pairs in memory; and fromPairs(),
// the channel vectors from one [left, right, ...] register per sample.
#pragma once

#include "effects/reverb/engine/tile_rows.h"
#include "effects/reverb/engine/wet_chain.h"

#include <cstdint>
#include <cstring>
#include <emmintrin.h>

namespace {

inline float flushSample(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return (bits & 0x7f800000u) == 0 ? 0.0f : x;
}

// What an input sample enters the engine as. NaN and infinities (exponent
// field all ones) become silence and magnitudes above 1e20 are held there,
// so a single bad host sample can neither live on in a held tail nor
// overflow the tank into infinities. Denormals (exponent field all zero)
// become +0.0 too: they are inaudible, and would make every multiply of the
// dry path slow.
inline float tameSample(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    if ((bits & 0x7f800000u) == 0x7f800000u || (bits & 0x7f800000u) == 0)
        return 0.0f;
    return x > 1.0e20f ? 1.0e20f : (x < -1.0e20f ? -1.0e20f : x);
}

inline float raisePeak(float x, float peak)
{
    const float magnitude = x <= 0.0f ? -x : x;
    return magnitude > peak ? magnitude : peak;
}

// The low-pass over one tile, a sample at a time through both channels:
// pairs holds h a0 for each sample as [left, right], and ys[j] receives
// [y left, y right, ...] of sample j. The outputs stay in registers: read
// back from memory straight after such narrow stores, they would have to
// wait for the stores to reach the cache.
// y = h a0 - b1 y' + 1e-11, left and right side by side in lanes 0 and 1.
template <int W>
inline void lowPassTile(const float* pairs, __m128& y, __m128 b1, __m128 (&ys)[W])
{
    const __m128 tiny = _mm_set1_ps(1e-11f);
#pragma GCC unroll 16
    for (int j = 0; j < W; ++j) {
        const __m128 weighted = _mm_castpd_ps(_mm_load_sd(reinterpret_cast<const double*>(pairs + 2 * j)));
        y = _mm_add_ps(_mm_sub_ps(weighted, _mm_mul_ps(b1, y)), tiny);
        ys[j] = y;
    }
}

template <class C>
void wetChainTiles(WetChain& w, int frames)
{
    using V = typename C::V;
    constexpr int W = C::width;
    TileRows<W, 8> rows(w.line, w.length, w.index, 8, frames);
    V feedback[8];
    for (int k = 0; k < 8; ++k)
        feedback[k] = C::splat(w.feedback[k]);
    const V wet = C::splat(w.wet);
    const V c = C::splat(w.highPass);
    const V three = C::splat(3.0f);
    const V two = C::splat(2.0f);
    const V dry = C::splat(w.dryHalf);
    const V gainLeft = C::splat(w.gainLeft);
    const V gainRight = C::splat(w.gainRight);
    const V a0 = C::splat(w.a0);
    const __m128 b1 = _mm_set1_ps(w.b1);
    const bool gate = w.gateGain != nullptr;
    const bool write = !w.muted || !w.adding;
    V previous[2] = {C::history(w.history[2], w.history[1], w.history[0]),
                     C::history(w.history[5], w.history[4], w.history[3])};
    __m128 y = _mm_setr_ps(w.lowPass[0], w.lowPass[1], 0.0f, 0.0f);
    V peak[2] = {C::splat(w.peakLeft), C::splat(w.peakRight)};
    const float* sums[2] = {w.sumLeft, w.sumRight};
    const float* inputs[2] = {w.inLeft, w.inRight};
    float* outputs[2] = {w.outLeft, w.outRight};

    // Everything before the low-pass: the all-passes, the wet factor, the
    // gate and the high-pass of one tile, leaving h a0 in `pairs`.
    const auto front = [&](int t, float* pairs) {
        rows.beforeTile(t);
        V high[2];
#pragma GCC unroll 2
        for (int side = 0; side < 2; ++side) {
            V x = C::load(sums[side] + t);
#pragma GCC unroll 4
            for (int k = 4 * side; k < 4 * side + 4; ++k) {
                const V delayed = C::flush(C::load(rows.readBase[k] + t));
                C::store(rows.writeBase[k] + t, C::add(C::mul(delayed, feedback[k]), x));
                x = C::sub(delayed, x);
            }
            x = C::mul(x, wet);
            if (gate)
                x = C::mul(x, C::load(w.gateGain + t));
            // h = x - c (3 x1 + 2 x2 + x3)
            const V x1 = C::template shifted<1>(previous[side], x);
            const V x2 = C::template shifted<2>(previous[side], x);
            const V x3 = C::template shifted<3>(previous[side], x);
            high[side] = C::sub(x, C::mul(c, C::add(C::add(C::mul(three, x1), C::mul(two, x2)), x3)));
            previous[side] = x;
        }

        C::interleave(C::mul(high[0], a0), C::mul(high[1], a0), pairs);
    };

    // Each tile's front part runs one tile ahead: it does not wait for the
    // low-pass, whose recurrence is the slowest thread here, so the
    // processor can run it while that recurrence is still going.
    alignas(64) float pairs[2][2 * W];
    front(0, pairs[0]);
    for (int t = 0, now = 0; t < frames; t += W, now ^= 1) {
        if (t + W < frames)
            front(t + W, pairs[now ^ 1]);
        __m128 ys[W];
        lowPassTile<W>(pairs[now], y, b1, ys);
        V low[2];
        C::fromPairs(ys, low[0], low[1]);

#pragma GCC unroll 2
        for (int side = 0; side < 2; ++side) {
            const V in = C::load(inputs[side] + t);
            const V out = C::add(C::mul(dry, C::tameInput(in)), C::mul(low[side], side == 0 ? gainLeft : gainRight));
            peak[side] = C::greater(C::magnitude(out), peak[side]);
            if (!write)
                continue;
            V result = w.muted ? in : out;
            if (w.adding)
                result = C::add(C::load(outputs[side] + t), result);
            C::store(outputs[side] + t, result);
        }
    }

    rows.finish();

    float lanes[W];
    for (int side = 0; side < 2; ++side) {
        C::store(lanes, previous[side]);
        w.history[3 * side] = lanes[W - 1];
        w.history[3 * side + 1] = lanes[W - 2];
        w.history[3 * side + 2] = lanes[W - 3];
        // Peaks are never NaN, so the largest lane is their maximum.
        const float largest = C::largest(peak[side]);
        float& best = side == 0 ? w.peakLeft : w.peakRight;
        best = largest > best ? largest : best;
    }
    float pair[4];
    _mm_storeu_ps(pair, y);
    w.lowPass[0] = pair[0];
    w.lowPass[1] = pair[1];
}

// Samples after the last whole tile, one at a time.
inline void wetChainTail(WetChain& w, int from)
{
    float* h = w.history;
    for (int t = from; t < w.frames; ++t) {
        float left = w.sumLeft[t];
        float right = w.sumRight[t];
        for (int k = 0; k < 4; ++k) {
            float& lineLeft = sampleAt(w.line[k], w.length[k], w.index[k], t);
            const float delayedLeft = flushSample(lineLeft);
            lineLeft = delayedLeft * w.feedback[k] + left;
            left = delayedLeft - left;
            float& lineRight = sampleAt(w.line[4 + k], w.length[4 + k], w.index[4 + k], t);
            const float delayedRight = flushSample(lineRight);
            lineRight = delayedRight * w.feedback[4 + k] + right;
            right = delayedRight - right;
        }
        left = left * w.wet;
        right = right * w.wet;
        if (w.gateGain) {
            left = left * w.gateGain[t];
            right = right * w.gateGain[t];
        }
        const float highLeft = left - w.highPass * (3.0f * h[0] + 2.0f * h[1] + h[2]);
        const float highRight = right - w.highPass * (3.0f * h[3] + 2.0f * h[4] + h[5]);
        h[2] = h[1];
        h[1] = h[0];
        h[0] = left;
        h[5] = h[4];
        h[4] = h[3];
        h[3] = right;
        w.lowPass[0] = highLeft * w.a0 - w.b1 * w.lowPass[0] + 1e-11f;
        w.lowPass[1] = highRight * w.a0 - w.b1 * w.lowPass[1] + 1e-11f;
        const float inL = w.inLeft[t];
        const float inR = w.inRight[t];
        const float outL = w.dryHalf * tameSample(inL) + w.lowPass[0] * w.gainLeft;
        const float outR = w.dryHalf * tameSample(inR) + w.lowPass[1] * w.gainRight;
        w.peakLeft = raisePeak(outL, w.peakLeft);
        w.peakRight = raisePeak(outR, w.peakRight);
        if (w.muted && w.adding)
            continue;
        const float toLeft = w.muted ? inL : outL;
        const float toRight = w.muted ? inR : outR;
        w.outLeft[t] = w.adding ? w.outLeft[t] + toLeft : toLeft;
        w.outRight[t] = w.adding ? w.outRight[t] + toRight : toRight;
    }
}

// (left + right) * input gain / 2 for the pre-delay line, input tamed.
template <class C>
void mixTankInput(float* into, const float* inLeft, const float* inRight, int frames, float inputHalf)
{
    const typename C::V half = C::splat(inputHalf);
    int i = 0;
    for (; i + C::width <= frames; i += C::width)
        C::store(into + i, C::mul(C::add(C::tameInput(C::load(inLeft + i)), C::tameInput(C::load(inRight + i))), half));
    for (; i < frames; ++i)
        into[i] = (tameSample(inLeft[i]) + tameSample(inRight[i])) * inputHalf;
}

template <class C>
void runWetChain(WetChain& w)
{
    const int tiled = w.frames - w.frames % C::width;
    if (tiled > 0)
        wetChainTiles<C>(w, tiled);
    wetChainTail(w, tiled);
}

}  // namespace
