#include "tools/plughost/tail_rule.h"

#include <doctest.h>

#include <cmath>
#include <vector>

namespace {

// Feeds the rule a signal frame by frame in blocks, the way the renderer
// does, and answers the frames rendered and kept.
struct TailRun {
    std::size_t rendered;
    std::size_t kept;
};

template <typename Signal>
TailRun runTail(TailRule rule, std::size_t blockSize, int channels, Signal signal)
{
    std::size_t rendered = 0;
    std::vector<float> block;
    while (const std::size_t frames = rule.nextBlock(blockSize)) {
        block.assign(frames * channels, 0.0f);
        for (std::size_t i = 0; i < frames; ++i)
            for (int c = 0; c < channels; ++c)
                block[i * channels + c] = signal(rendered + i, c);
        rule.observe(block.data(), frames, channels);
        rendered += frames;
        REQUIRE(rendered <= 10 * 44100 * 30); // never runs away
    }
    return {rendered, rule.keptFrames()};
}

} // namespace

TEST_CASE("tail_rule: the -90 dBFS threshold")
{
    CHECK(quietThreshold() == doctest::Approx(3.16227766e-5).epsilon(1e-6));
}

TEST_CASE("tail_rule: until quiet, the tail ends 100 ms after the last loud frame, which is the last kept")
{
    const float loud = quietThreshold();
    const float quiet = std::nextafter(quietThreshold(), 0.0f);
    const struct {
        const char* what;
        std::size_t loudFrame; // the one loud frame, or SIZE_MAX for none
        std::size_t blockSize;
        int channels;
        int loudChannel;
        std::size_t kept;
    } cases[] = {
        {"silence adds nothing", SIZE_MAX, 512, 2, 0, 0},
        {"loud at the first frame", 0, 512, 2, 0, 1},
        {"loud inside a block", 1000, 512, 2, 1, 1001},
        {"loud at a block's last frame", 1023, 512, 2, 0, 1024},
        {"one-frame blocks", 300, 1, 1, 0, 301},
        {"blocks longer than the quiet run", 77, 10000, 3, 2, 78},
        {"ten channels, the last one loud", 999, 256, 10, 9, 1000},
        {"loud just before 100 ms of quiet", 4409, 512, 2, 0, 4410},
        {"loud after 100 ms of quiet comes too late", 4410, 512, 2, 0, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.what);
        const auto signal = [&](std::size_t frame, int channel) {
            return channel == c.loudChannel && frame == c.loudFrame ? -loud : quiet;
        };
        const TailRun run = runTail(TailRule::untilQuiet(44100), c.blockSize, c.channels, signal);
        CHECK(run.kept == c.kept);
        CHECK(run.rendered == c.kept + 4410);
    }
}

TEST_CASE("tail_rule: a decaying tail stops where it falls below -90 dBFS")
{
    // 0.9 falling by 60 dB a second: below -90 dBFS after 1.4847 s.
    const std::uint32_t rate = 48000;
    const auto decay = [&](std::size_t frame, int) {
        return static_cast<float>(0.9 * std::pow(10.0, -3.0 * static_cast<double>(frame) / rate));
    };
    const TailRun run = runTail(TailRule::untilQuiet(rate), 512, 2, decay);
    const std::size_t expected = 71268; // the first frame below the threshold
    CHECK(decay(expected - 1, 0) >= quietThreshold());
    CHECK(decay(expected, 0) < quietThreshold());
    CHECK(run.kept == expected);
    CHECK(run.rendered == expected + 4800);
}

TEST_CASE("tail_rule: the 30 s cap holds for a tail that never falls silent")
{
    const struct {
        std::uint32_t rate;
        std::size_t blockSize;
    } cases[] = {{44100, 512}, {22050, 1000}, {8000, 7}};
    for (const auto& c : cases) {
        CAPTURE(c.rate);
        const auto loud = [](std::size_t, int) { return 0.5f; };
        const TailRun run = runTail(TailRule::untilQuiet(c.rate), c.blockSize, 1, loud);
        CHECK(run.rendered == 30 * c.rate);
        CHECK(run.kept == 30 * c.rate);
    }
    // NaN is not quiet either.
    const TailRun nan = runTail(TailRule::untilQuiet(1000), 64, 2, [](std::size_t, int) { return std::nanf(""); });
    CHECK(nan.kept == 30000);
}

TEST_CASE("tail_rule: a fixed tail is exactly as long as asked, whatever it holds")
{
    const struct {
        double seconds;
        std::uint32_t rate;
        std::size_t frames;
    } cases[] = {{0.0, 44100, 0}, {0.5, 44100, 22050}, {1.0, 22050, 22050}, {0.00001, 44100, 0}, {2.5, 96000, 240000}};
    for (const auto& c : cases) {
        CAPTURE(c.seconds);
        const auto zero = [](std::size_t, int) { return 0.0f; };
        const auto full = [](std::size_t, int) { return 1.0f; };
        const TailRun silent = runTail(TailRule::fixed(c.seconds, c.rate), 512, 2, zero);
        const TailRun loud = runTail(TailRule::fixed(c.seconds, c.rate), 100, 2, full);
        CHECK(silent.rendered == c.frames);
        CHECK(silent.kept == c.frames);
        CHECK(loud.kept == c.frames);
    }
}
