// Runs audio through an opened, powered effect in blocks, the way a host's
// audio thread does: WAV channels go to the effect's inputs in order (inputs
// beyond the file's channels get silence, channels beyond the inputs are
// dropped), and the result has one channel per effect output. After the
// input, the tail rule decides how much silence the effect still gets.
#pragma once

#include "tools/plughost/hosted_effect.h"
#include "tools/plughost/tail_rule.h"
#include "tools/plughost/wav_file.h"

#include <functional>
#include <optional>

enum class ProcessEntryChoice { Overwriting, Adding };

struct RenderPlan {
    std::int32_t blockSize = 512;
    ProcessEntryChoice choice = ProcessEntryChoice::Overwriting;
    std::optional<TailRule> tail; // none: the output is as long as the input
    // Called after each block with the input frames and tail frames done.
    std::function<void(std::size_t inputDone, std::size_t tailDone)> progress;
};

// Overwriting falls back to adding when the effect does not declare it.
// Throws HostError when the effect offers no usable entry.
WavAudio renderThroughEffect(HostedEffect& effect, const WavAudio& input, const RenderPlan& plan);
WavAudio renderThroughEffect(HostedEffect& effect, const WavAudio& input, std::int32_t blockSize,
                             ProcessEntryChoice choice);

// The largest absolute sample, 0 for no samples.
float peakOf(const WavAudio& audio);
