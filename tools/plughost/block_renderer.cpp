#include "tools/plughost/block_renderer.h"

#include "tools/plughost/host_error.h"

#include <algorithm>
#include <cmath>
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

// One block through the effect: frames [start, start + length) of the
// output, from the input's frames at the same place (silence past its end).
class BlockRunner {
public:
    BlockRunner(HostedEffect& effect, const WavAudio& input, std::int32_t blockSize, bool adding)
        : effect(effect), input(input), adding(adding), inputs(effect.record().inputCount, blockSize),
          outputs(effect.record().outputCount, blockSize)
    {
    }

    void run(std::size_t start, std::int32_t length, std::vector<float>& out)
    {
        const EffectRecord& record = effect.record();
        const int inChannels = input.channels;
        const std::size_t inputFrames = input.frames();
        const std::int32_t usedInputs = std::min<std::int32_t>(record.inputCount, inChannels);
        // Unfed inputs stay silent even if the effect wrote into them, and
        // outputs start from zero whichever entry runs (adding needs it, and an
        // overwriting effect that skips an output must not repeat old samples).
        for (auto& channel : inputs.channels)
            std::fill(channel.begin(), channel.end(), 0.0f);
        for (std::int32_t c = 0; c < usedInputs; ++c) {
            for (std::int32_t i = 0; i < length && start + i < inputFrames; ++i)
                inputs.channels[c][i] = input.samples[(start + i) * inChannels + c];
        }
        for (auto& channel : outputs.channels)
            std::fill(channel.begin(), channel.end(), 0.0f);
        effect.process(inputs.pointers.data(), outputs.pointers.data(), length, adding);
        const std::int32_t outCount = record.outputCount;
        out.resize(std::max(out.size(), (start + length) * outCount));
        for (std::int32_t c = 0; c < outCount; ++c) {
            float* to = out.data() + start * outCount + c;
            for (std::int32_t i = 0; i < length; ++i)
                to[static_cast<std::size_t>(i) * outCount] = outputs.channels[c][i];
        }
    }

private:
    HostedEffect& effect;
    const WavAudio& input;
    bool adding;
    ChannelBuffers inputs;
    ChannelBuffers outputs;
};

} // namespace

WavAudio renderThroughEffect(HostedEffect& effect, const WavAudio& input, const RenderPlan& plan)
{
    const EffectRecord& record = effect.record();
    const bool adding = useAdding(record, plan.choice);
    if ((adding ? record.processAdding : record.processOverwriting) == nullptr)
        throw HostError("the effect offers no process entry to call");

    const std::size_t frames = input.frames();
    const std::int32_t outCount = record.outputCount;
    const auto blockSize = static_cast<std::size_t>(plan.blockSize);

    WavAudio output;
    output.channels = outCount;
    output.sampleRate = input.sampleRate;
    output.format = SampleFormat::Float32;
    output.samples.reserve(frames * static_cast<std::size_t>(outCount));

    BlockRunner runner(effect, input, plan.blockSize, adding);
    for (std::size_t start = 0; start < frames; start += blockSize) {
        const auto length = static_cast<std::int32_t>(std::min(blockSize, frames - start));
        runner.run(start, length, output.samples);
        if (plan.progress)
            plan.progress(start + length, 0);
    }
    if (plan.tail) {
        TailRule tail = *plan.tail;
        std::size_t done = 0;
        while (const std::size_t length = tail.nextBlock(blockSize)) {
            runner.run(frames + done, static_cast<std::int32_t>(length), output.samples);
            tail.observe(output.samples.data() + (frames + done) * outCount, length, outCount);
            done += length;
            if (plan.progress)
                plan.progress(frames, done);
        }
        output.samples.resize((frames + tail.keptFrames()) * static_cast<std::size_t>(outCount));
    }
    return output;
}

WavAudio renderThroughEffect(HostedEffect& effect, const WavAudio& input, std::int32_t blockSize,
                             ProcessEntryChoice choice)
{
    RenderPlan plan;
    plan.blockSize = blockSize;
    plan.choice = choice;
    return renderThroughEffect(effect, input, plan);
}

float peakOf(const WavAudio& audio)
{
    float peak = 0.0f;
    for (const float sample : audio.samples)
        peak = std::max(peak, std::fabs(sample));
    return peak;
}
