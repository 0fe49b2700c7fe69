// The wet chain written once over a stereo vector type S (four left samples
// and the same four right samples) and instantiated per instruction set.
// Internal linkage throughout, as in comb_kernel_body.h. Every operation is
// the scalar chain's, lane by lane and in the same order.
#pragma once

#include "effects/reverb/engine/tile_rows.h"
#include "effects/reverb/engine/wet_chain.h"

#include <emmintrin.h>

#include <cstdint>
#include <cstring>

namespace {

inline float flushSample(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return (bits & 0x7f800000u) == 0 ? 0.0f : x;
}

inline float silenceSample(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return (bits & 0x7f800000u) == 0x7f800000u ? 0.0f : x;
}

inline float raisePeak(float x, float peak)
{
    const float magnitude = x <= 0.0f ? -x : x;
    return magnitude > peak ? magnitude : peak;
}

// h = x - c (3 x1 + 2 x2 + x3) for four samples per channel; `previous`
// holds the four wet samples before `now`.
template <class S>
inline typename S::V highPassStep(typename S::V now, typename S::V previous, typename S::V c)
{
    using V = typename S::V;
    const V p3c0 = S::template shuffle<_MM_SHUFFLE(0, 0, 3, 3)>(previous, now);
    const V x1 = S::template shuffle<_MM_SHUFFLE(2, 1, 2, 0)>(p3c0, now);
    const V x2 = S::template shuffle<_MM_SHUFFLE(1, 0, 3, 2)>(previous, now);
    const V x3 = S::template shuffle<_MM_SHUFFLE(2, 0, 2, 1)>(previous, p3c0);
    const V taps = S::add(S::add(S::mul(S::splat(3.0f), x1), S::mul(S::splat(2.0f), x2)), x3);
    return S::sub(now, S::mul(c, taps));
}

// y = h a0 - b1 y' + 1e-11, left and right side by side in lanes 0 and 1.
inline __m128 lowPassStep(__m128 h, __m128 y, __m128 a0, __m128 b1)
{
    return _mm_add_ps(_mm_sub_ps(_mm_mul_ps(h, a0), _mm_mul_ps(b1, y)), _mm_set1_ps(1e-11f));
}

template <class S>
void wetChainTiles(WetChain& w, int frames)
{
    using V = typename S::V;
    TileRows<4, 8> rows(w.line, w.length, w.index, 8, frames, w.staging);
    V feedback[4];
    for (int k = 0; k < 4; ++k)
        feedback[k] = S::splat2(w.feedback[k], w.feedback[4 + k]);
    const V wet = S::splat(w.wet);
    const V c = S::splat(w.highPass);
    const V dry = S::splat(w.dryHalf);
    const V gains = S::splat2(w.gainLeft, w.gainRight);
    const __m128 a0 = _mm_set1_ps(w.a0);
    const __m128 b1 = _mm_set1_ps(w.b1);
    const bool write = !w.muted || !w.adding;
    V previous = S::join(_mm_setr_ps(0.0f, w.history[2], w.history[1], w.history[0]),
                         _mm_setr_ps(0.0f, w.history[5], w.history[4], w.history[3]));
    __m128 y = _mm_setr_ps(w.lowPass[0], w.lowPass[1], 0.0f, 0.0f);
    V peak = S::splat2(w.peakLeft, w.peakRight);

    for (int t = 0; t < frames; t += 4) {
        rows.beforeRead(t);
        rows.beforeWrite(t);
        V x = S::load(w.sumLeft + t, w.sumRight + t);
        for (int k = 0; k < 4; ++k) {
            const V delayed = S::flush(S::load(rows.readBase[k] + t, rows.readBase[4 + k] + t));
            S::store(rows.writeBase[k] + t, rows.writeBase[4 + k] + t, S::add(S::mul(delayed, feedback[k]), x));
            x = S::sub(delayed, x);
        }
        rows.afterWrite(t);
        x = S::mul(x, wet);
        if (w.gateGain) {
            const __m128 gain = _mm_loadu_ps(w.gateGain + t);
            x = S::mul(x, S::join(gain, gain));
        }
        const V high = highPassStep<S>(x, previous, c);
        previous = x;

        const __m128 h01 = _mm_unpacklo_ps(S::left(high), S::right(high));  // [L0 R0 L1 R1]
        const __m128 h23 = _mm_unpackhi_ps(S::left(high), S::right(high));
        const __m128 y0 = lowPassStep(h01, y, a0, b1);
        const __m128 y1 = lowPassStep(_mm_movehl_ps(h01, h01), y0, a0, b1);
        const __m128 y2 = lowPassStep(h23, y1, a0, b1);
        y = lowPassStep(_mm_movehl_ps(h23, h23), y2, a0, b1);
        const __m128 y01 = _mm_movelh_ps(y0, y1);
        const __m128 y23 = _mm_movelh_ps(y2, y);
        const V low = S::join(_mm_shuffle_ps(y01, y23, _MM_SHUFFLE(2, 0, 2, 0)),
                              _mm_shuffle_ps(y01, y23, _MM_SHUFFLE(3, 1, 3, 1)));

        const V in = S::load(w.inLeft + t, w.inRight + t);
        const V out = S::add(S::mul(dry, S::silenceNonFinite(in)), S::mul(low, gains));
        peak = S::greater(S::magnitude(out), peak);
        if (!write)
            continue;
        V result = w.muted ? in : out;
        if (w.adding)
            result = S::add(S::load(w.outLeft + t, w.outRight + t), result);
        S::store(w.outLeft + t, w.outRight + t, result);
    }

    float lanes[4];
    _mm_storeu_ps(lanes, S::left(previous));
    w.history[0] = lanes[3];
    w.history[1] = lanes[2];
    w.history[2] = lanes[1];
    _mm_storeu_ps(lanes, S::right(previous));
    w.history[3] = lanes[3];
    w.history[4] = lanes[2];
    w.history[5] = lanes[1];
    _mm_storeu_ps(lanes, y);
    w.lowPass[0] = lanes[0];
    w.lowPass[1] = lanes[1];
    for (int side = 0; side < 2; ++side) {
        _mm_storeu_ps(lanes, side == 0 ? S::left(peak) : S::right(peak));
        float& best = side == 0 ? w.peakLeft : w.peakRight;
        for (float lane : lanes)
            best = lane > best ? lane : best;
    }
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
        const float outL = w.dryHalf * silenceSample(inL) + w.lowPass[0] * w.gainLeft;
        const float outR = w.dryHalf * silenceSample(inR) + w.lowPass[1] * w.gainRight;
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

template <class S>
void runWetChain(WetChain& w)
{
    const int tiled = w.frames - w.frames % 4;
    if (tiled > 0)
        wetChainTiles<S>(w, tiled);
    wetChainTail(w, tiled);
}

}  // namespace
