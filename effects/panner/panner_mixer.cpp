#include "effects/panner/panner_mixer.h"

#include <cstdint>

// A zero weight is left out of the sum: it adds nothing to a finite sample,
// and leaving it out keeps the work to the two outputs (at most) that the pan
// law gives each input. Leaving terms out does not change the order of the
// rest, so every path below gives the same samples.

namespace {

// One input's share of one output during a block.
struct Term {
    const float* input;
    float gain;
    float weight;
};

// One output from all the inputs that reach it. out must overlap none of the
// inputs.
template <int Count, bool Adding>
void mixOutput(float* __restrict out, const Term* terms, std::int32_t frames)
{
    const float* in[Count];
    float gain[Count];
    float weight[Count];
    for (int t = 0; t < Count; ++t) {
        in[t] = terms[t].input;
        gain[t] = terms[t].gain;
        weight[t] = terms[t].weight;
    }
    for (std::int32_t i = 0; i < frames; ++i) {
        float sum = (in[0][i] * gain[0]) * weight[0];
        for (int t = 1; t < Count; ++t)
            sum = sum + (in[t][i] * gain[t]) * weight[t];
        if constexpr (Adding)
            out[i] = out[i] + sum;
        else
            out[i] = sum;
    }
}

template <bool Adding>
void mixOutput(float* out, const Term* terms, int count, std::int32_t frames)
{
    switch (count) {
    case 0:
        // No input reaches this output: silence, or nothing to add.
        if constexpr (!Adding)
            for (std::int32_t i = 0; i < frames; ++i)
                out[i] = 0.0f;
        break;
    case 1:
        mixOutput<1, Adding>(out, terms, frames);
        break;
    case 2:
        mixOutput<2, Adding>(out, terms, frames);
        break;
    case 3:
        mixOutput<3, Adding>(out, terms, frames);
        break;
    default:
        mixOutput<4, Adding>(out, terms, frames);
        break;
    }
}

// One input onto the outputs that only it reaches: the input is read once
// for both. The three buffers must not overlap.
template <bool Adding>
void spreadInput(const float* __restrict in, float gain, float* __restrict out, float weight, std::int32_t frames)
{
    for (std::int32_t i = 0; i < frames; ++i) {
        const float scaled = in[i] * gain;
        if constexpr (Adding)
            out[i] = out[i] + scaled * weight;
        else
            out[i] = scaled * weight;
    }
}

template <bool Adding>
void spreadInput(const float* __restrict in, float gain, float* __restrict first, float firstWeight,
                 float* __restrict second, float secondWeight, std::int32_t frames)
{
    for (std::int32_t i = 0; i < frames; ++i) {
        const float scaled = in[i] * gain;
        if constexpr (Adding) {
            first[i] = first[i] + scaled * firstWeight;
            second[i] = second[i] + scaled * secondWeight;
        } else {
            first[i] = scaled * firstWeight;
            second[i] = scaled * secondWeight;
        }
    }
}

bool overlaps(const float* a, const float* b, std::int32_t frames)
{
    const auto first = reinterpret_cast<std::uintptr_t>(a);
    const auto second = reinterpret_cast<std::uintptr_t>(b);
    const std::uintptr_t bytes = static_cast<std::uintptr_t>(frames) * sizeof(float);
    return first < second + bytes && second < first + bytes;
}

bool anyOutputIsInput(float** inputs, float** outputs, std::int32_t frames)
{
    bool found = false;
    for (int n = 0; n < PannerOutputs; ++n)
        for (int j = 0; j < PannerInputs; ++j)
            found |= overlaps(outputs[n], inputs[j], frames);
    return found;
}

// Frames per pass when inputs must be copied aside before outputs are written.
constexpr std::int32_t InPlaceChunk = 64;

template <bool Adding>
void mix(const MixSettings& s, float** inputs, float** outputs, std::int32_t frames)
{
    if (frames <= 0)
        return;

    // Output n is reached by the inputs source[n][0 .. count[n]-1], in input
    // order; input j reaches the outputs target[j][0 .. reach[j]-1].
    int source[PannerOutputs][PannerInputs];
    int count[PannerOutputs] = {};
    int target[PannerInputs][PannerOutputs];
    int reach[PannerInputs] = {};
    for (int j = 0; j < PannerInputs; ++j)
        for (int n = 0; n < PannerOutputs; ++n)
            if (s.weight[j][n] != 0.0f) {
                source[n][count[n]++] = j;
                target[j][reach[j]++] = n;
            }

    Term terms[PannerInputs];
    if (anyOutputIsInput(inputs, outputs, frames)) {
        // In place: scale a stretch of every input aside first, then mix
        // from there. (x * g) * 1 * w rounds exactly like (x * g) * w.
        float scaled[PannerInputs][InPlaceChunk];
        for (std::int32_t start = 0; start < frames; start += InPlaceChunk) {
            const std::int32_t length = frames - start < InPlaceChunk ? frames - start : InPlaceChunk;
            for (int j = 0; j < PannerInputs; ++j)
                for (std::int32_t i = 0; i < length; ++i)
                    scaled[j][i] = inputs[j][start + i] * s.gain[j];
            for (int n = 0; n < PannerOutputs; ++n) {
                for (int t = 0; t < count[n]; ++t) {
                    const int j = source[n][t];
                    terms[t] = Term{scaled[j], 1.0f, s.weight[j][n]};
                }
                mixOutput<Adding>(outputs[n] + start, terms, count[n], length);
            }
        }
        return;
    }

    // Usually no two inputs share an output: then each input is spread on
    // its own, read once for its two outputs.
    bool apart = true;
    for (int n = 0; n < PannerOutputs; ++n)
        apart = apart && count[n] <= 1;
    for (int j = 0; j < PannerInputs; ++j)
        apart = apart && reach[j] <= 2 &&
                !(reach[j] == 2 && overlaps(outputs[target[j][0]], outputs[target[j][1]], frames));
    if (apart) {
        for (int j = 0; j < PannerInputs; ++j) {
            if (reach[j] == 1) {
                const int n = target[j][0];
                spreadInput<Adding>(inputs[j], s.gain[j], outputs[n], s.weight[j][n], frames);
            } else if (reach[j] == 2) {
                const int n = target[j][0];
                const int m = target[j][1];
                spreadInput<Adding>(inputs[j], s.gain[j], outputs[n], s.weight[j][n], outputs[m], s.weight[j][m],
                                    frames);
            }
        }
        if constexpr (!Adding)
            for (int n = 0; n < PannerOutputs; ++n)
                if (count[n] == 0)
                    mixOutput<false>(outputs[n], terms, 0, frames);
        return;
    }

    for (int n = 0; n < PannerOutputs; ++n) {
        for (int t = 0; t < count[n]; ++t) {
            const int j = source[n][t];
            terms[t] = Term{inputs[j], s.gain[j], s.weight[j][n]};
        }
        mixOutput<Adding>(outputs[n], terms, count[n], frames);
    }
}

} // namespace

void mixOverwriting(const MixSettings& settings, float** inputs, float** outputs, std::int32_t frames)
{
    mix<false>(settings, inputs, outputs, frames);
}

void mixAdding(const MixSettings& settings, float** inputs, float** outputs, std::int32_t frames)
{
    mix<true>(settings, inputs, outputs, frames);
}
