#include "tools/plughost/tail_rule.h"

#include <algorithm>
#include <cmath>

namespace {

std::size_t framesOf(double seconds, std::uint32_t sampleRate)
{
    return static_cast<std::size_t>(std::llround(seconds * sampleRate));
}

} // namespace

float quietThreshold()
{
    return static_cast<float>(std::pow(10.0, TailRule::QuietDecibels / 20.0));
}

TailRule TailRule::fixed(double seconds, std::uint32_t sampleRate)
{
    return TailRule(false, framesOf(seconds, sampleRate), 0);
}

TailRule TailRule::untilQuiet(std::uint32_t sampleRate)
{
    return TailRule(true, framesOf(CapSeconds, sampleRate), framesOf(QuietSeconds, sampleRate));
}

TailRule::TailRule(bool untilQuiet, std::size_t limit, std::size_t quietFrames)
    : stopsWhenQuiet(untilQuiet), limit(limit), quietFrames(quietFrames)
{
}

std::size_t TailRule::nextBlock(std::size_t blockSize) const
{
    if (rendered >= limit)
        return 0;
    std::size_t left = limit - rendered;
    if (stopsWhenQuiet) {
        const std::size_t quietSoFar = rendered - loudEnd;
        if (quietSoFar >= quietFrames)
            return 0;
        // Stop exactly when the quiet run is long enough.
        left = std::min(left, quietFrames - quietSoFar);
    }
    return std::min(left, blockSize);
}

void TailRule::observe(const float* samples, std::size_t frames, int channels)
{
    const float threshold = quietThreshold();
    for (std::size_t frame = 0; frame < frames; ++frame) {
        for (int c = 0; c < channels; ++c) {
            // NaN counts as loud.
            if (!(std::fabs(samples[frame * channels + c]) < threshold)) {
                loudEnd = rendered + frame + 1;
                break;
            }
        }
    }
    rendered += frames;
}

std::size_t TailRule::keptFrames() const
{
    return stopsWhenQuiet ? loudEnd : rendered;
}
