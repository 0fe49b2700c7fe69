#include "tools/plughost/block_renderer.h"

#include "tools/plughost/host_error.h"

#include <algorithm>
#include <vector>

namespace {

// Channel buffers for one side of the effect, and the pointer array the
// process entries take.
struct ChannelBuffers {
    std::vector<std::vector<float>> channels;
    std::vector<float*> pointers;

    ChannelBuffers(std::int32_t count, std::int32_t frames)
        : channels(static_cast<std::size_t>(count), std::vector<float>(static_cast<std::size_t>(frames)))
    {
        for (auto& channel : channels)
            pointers.push_back(channel.data());
        // Never hand out a null array, even to an effect without inputs.
        pointers.push_back(nullptr);
    }
};

bool useAdding(const EffectRecord& record, ProcessEntryChoice choice)
{
    if (choice == ProcessEntryChoice::Adding)
        return true;
    return (record.flags & OverwriteFlag) == 0 || record.processOverwriting == nullptr;
}

} // namespace

WavAudio renderThroughEffect(HostedEffect& effect, const WavAudio& input, std::int32_t blockSize,
                             ProcessEntryChoice choice)
{
    const EffectRecord& record = effect.record();
    const bool adding = useAdding(record, choice);
    if ((adding ? record.processAdding : record.processOverwriting) == nullptr)
        throw HostError("the effect offers no process entry to call");

    const std::size_t frames = input.frames();
    const int inChannels = input.channels;
    const std::int32_t outCount = record.outputCount;
    const std::int32_t usedInputs = std::min<std::int32_t>(record.inputCount, inChannels);

    WavAudio output;
    output.channels = outCount;
    output.sampleRate = input.sampleRate;
    output.format = SampleFormat::Float32;
    output.samples.resize(frames * static_cast<std::size_t>(outCount));

    ChannelBuffers inputs(record.inputCount, blockSize);
    ChannelBuffers outputs(outCount, blockSize);
    for (std::size_t start = 0; start < frames; start += static_cast<std::size_t>(blockSize)) {
        const auto length = static_cast<std::int32_t>(std::min<std::size_t>(blockSize, frames - start));
        for (std::int32_t c = 0; c < usedInputs; ++c) {
            const float* from = input.samples.data() + start * inChannels + c;
            for (std::int32_t i = 0; i < length; ++i)
                inputs.channels[c][i] = from[static_cast<std::size_t>(i) * inChannels];
        }
        // Unfed inputs stay silent even if the effect wrote into them, and
        // outputs start from zero whichever entry runs (adding needs it, and an
        // overwriting effect that skips an output must not repeat old samples).
        for (std::int32_t c = usedInputs; c < record.inputCount; ++c)
            std::fill(inputs.channels[c].begin(), inputs.channels[c].end(), 0.0f);
        for (auto& channel : outputs.channels)
            std::fill(channel.begin(), channel.end(), 0.0f);
        effect.process(inputs.pointers.data(), outputs.pointers.data(), length, adding);
        for (std::int32_t c = 0; c < outCount; ++c) {
            float* to = output.samples.data() + start * outCount + c;
            for (std::int32_t i = 0; i < length; ++i)
                to[static_cast<std::size_t>(i) * outCount] = outputs.channels[c][i];
        }
    }
    return output;
}
