// The reverb effect around its engine: meter copies after each block, and
// suspend clearing the tail unless the tail is held.
#include "effects/reverb/reverb_effect.h"
#include "tests/support/effect_probe.h"

#include <doctest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct StereoBlock {
    explicit StereoBlock(int frames) : left(frames), right(frames), outLeft(frames), outRight(frames) {}
    std::vector<float> left, right, outLeft, outRight;
    float* in[2] = {nullptr, nullptr};
    float* out[2] = {nullptr, nullptr};
    float** inputs() { return in[0] = left.data(), in[1] = right.data(), in; }
    float** outputs() { return out[0] = outLeft.data(), out[1] = outRight.data(), out; }
};

// The loudest output sample from frame `from` on.
float loudness(const StereoBlock& b, size_t from = 0)
{
    float peak = 0.0f;
    for (size_t i = from; i < b.outLeft.size(); ++i)
        peak = std::max({peak, std::fabs(b.outLeft[i]), std::fabs(b.outRight[i])});
    return peak;
}

// Feeds one impulse, then runs silence long enough to reach the tank's output.
// The filters behind the tank keep a few samples of history that suspend
// leaves alone, so the first frames after it are not looked at.
float tailAfterImpulse(ReverbEffect& reverb, bool suspendFirst)
{
    StereoBlock block(4096);
    block.left[0] = block.right[0] = 1.0f;
    EffectRecord* r = reverb.record();
    r->processOverwriting(r, block.inputs(), block.outputs(), 4096);
    if (suspendFirst)
        ask(r, OpPower, 0, 0);
    std::fill(block.left.begin(), block.left.end(), 0.0f);
    std::fill(block.right.begin(), block.right.end(), 0.0f);
    r->processOverwriting(r, block.inputs(), block.outputs(), 4096);
    return loudness(block, 64);
}

} // namespace

TEST_CASE("reverb: both process entries leave the meters equal to the engine's peaks")
{
    ReverbEffect reverb(nullptr);
    reverb.setParam(DryLevel, 120.0f);
    EffectRecord* r = reverb.record();
    for (bool adding : {false, true}) {
        StereoBlock block(256);
        block.left[10] = 0.5f;
        block.right[20] = -0.25f;
        reverb.engine.peakLeft = 0.0f;
        reverb.engine.peakRight = 0.0f;
        (adding ? r->processAdding : r->processOverwriting)(r, block.inputs(), block.outputs(), 256);
        CHECK(reverb.meterLeft == reverb.engine.peakLeft);
        CHECK(reverb.meterRight == reverb.engine.peakRight);
        CHECK(reverb.meterLeft == doctest::Approx(0.5f));
        CHECK(reverb.meterRight == doctest::Approx(0.25f));
    }
}

TEST_CASE("reverb: suspending clears the tail, unless the tail is held")
{
    {
        ReverbEffect reverb(nullptr);
        CHECK(tailAfterImpulse(reverb, false) > 1e-4f);
    }
    {
        ReverbEffect reverb(nullptr);
        CHECK(tailAfterImpulse(reverb, true) < 1e-9f);
    }
    {
        ReverbEffect reverb(nullptr);
        StereoBlock block(4096);
        block.left[0] = block.right[0] = 1.0f;
        EffectRecord* r = reverb.record();
        r->processOverwriting(r, block.inputs(), block.outputs(), 4096);
        reverb.setParam(TailHold, 1.0f);
        ask(r, OpPower, 0, 0);
        std::fill(block.left.begin(), block.left.end(), 0.0f);
        std::fill(block.right.begin(), block.right.end(), 0.0f);
        r->processOverwriting(r, block.inputs(), block.outputs(), 4096);
        CHECK(loudness(block, 64) > 1e-4f);
    }
}

TEST_CASE("reverb: setMuted passes the input through unchanged")
{
    ReverbEffect reverb(nullptr);
    reverb.setMuted(1);
    StereoBlock block(64);
    for (int i = 0; i < 64; ++i) {
        block.left[i] = 0.01f * i;
        block.right[i] = -0.02f * i;
    }
    EffectRecord* r = reverb.record();
    r->processOverwriting(r, block.inputs(), block.outputs(), 64);
    CHECK(block.outLeft == block.left);
    CHECK(block.outRight == block.right);
    reverb.setMuted(0);
    CHECK_FALSE(reverb.engine.muted);
}
