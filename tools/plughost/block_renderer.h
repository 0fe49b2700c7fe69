// Runs audio through an opened, powered effect in blocks, the way a host's
// audio thread does: WAV channels go to the effect's inputs in order (inputs
// beyond the file's channels get silence, channels beyond the inputs are
// dropped), and the result has one channel per effect output.
#pragma once

#include "tools/plughost/hosted_effect.h"
#include "tools/plughost/wav_file.h"

enum class ProcessEntryChoice { Overwriting, Adding };

// Overwriting falls back to adding when the effect does not declare it.
// Throws HostError when the effect offers no usable entry.
WavAudio renderThroughEffect(HostedEffect& effect, const WavAudio& input, std::int32_t blockSize,
                             ProcessEntryChoice choice);
