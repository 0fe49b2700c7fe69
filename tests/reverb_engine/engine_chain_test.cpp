// The signal chain around the tank, observed at the outputs: pre-delay and
// tank delays, the gate's three states, balance, dry mix, mute, peaks,
// empty blocks, tail hold and non-finite input.
#include "effects/reverb/engine/reverb_engine.h"
#include "test_signals.h"

#include <doctest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

// Wet only, no filters to speak of, balance centred.
std::unique_ptr<ReverbEngine> plainEngine(int quality, int preDelay)
{
    auto e = std::make_unique<ReverbEngine>();
    applyInitialProgram(*e, quality);
    e->highPassAmount = 0.0f;
    e->preDelayLength = static_cast<std::uint16_t>(preDelay);
    return e;
}

// The low-pass adds 1e-11 every sample, so "silent" output is about 1e-11.
long firstAudible(const std::vector<float>& x)
{
    for (std::size_t n = 0; n < x.size(); ++n)
        if (std::fabs(x[n]) > 1e-9f)
            return static_cast<long>(n);
    return -1;
}

float rms(const std::vector<float>& x, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t n = from; n < to; ++n)
        sum += static_cast<double>(x[n]) * x[n];
    return static_cast<float>(std::sqrt(sum / static_cast<double>(to - from)));
}

StereoBuffer noiseOf(std::size_t frames, float level, std::uint32_t seed)
{
    StereoBuffer b(frames);
    TestNoise noise(seed);
    for (std::size_t n = 0; n < frames; ++n) {
        b.left[n] = level * noise.next();
        b.right[n] = level * noise.next();
    }
    return b;
}

}  // namespace

TEST_CASE("an impulse reaches the output after the pre-delay and the shortest running comb")
{
    struct Case {
        int quality;
        int preDelay;
        long left;
        long right;
    };
    const Case cases[] = {
        {10, 1, 1 + 1046, 1 + 1069},    {8, 1, 1 + 1116, 1 + 1139},      {6, 1, 1 + 1116, 1 + 1139},
        {4, 1, 1 + 1116, 1 + 1139},     {10, 0, 1 + 1046, 1 + 1069},     {10, 2, 2 + 1046, 2 + 1069},
        {10, 441, 441 + 1046, 441 + 1069}, {10, 4409, 4409 + 1046, 4409 + 1069},  // 100 ms
        {10, 4410, 4410 + 1046, 4410 + 1069},
    };
    StereoBuffer impulse(8000);
    impulse.left[0] = impulse.right[0] = 1.0f;
    for (const Case& c : cases) {
        CAPTURE(c.quality);
        CAPTURE(c.preDelay);
        auto e = plainEngine(c.quality, c.preDelay);
        const StereoBuffer out = runBlocks(*e, impulse, 333);
        CHECK(firstAudible(out.left) == c.left);
        CHECK(firstAudible(out.right) == c.right);
    }
}

TEST_CASE("the gate opens, holds for hold + 1 samples, then closes, one step per sample")
{
    // Steps of 1/4 keep every level exact. Silence still opens a gate that
    // starts closed; a loud sample restarts the hold or the attack.
    const float quiet = 0.0f;
    const float loud = 1.0f;  // 0.015 at the detector, above the threshold
    struct Step {
        float input;
        float level;
        int state;
    };
    const Step steps[] = {
        // The detector sees each input one sample later (pre-delay 1).
        {quiet, 0.25f, 0}, {quiet, 0.5f, 0}, {quiet, 0.75f, 0}, {quiet, 1.0f, 0},
        {quiet, 1.0f, 1},                                                    // opening step sets 1.0, hold 3
        {quiet, 1.0f, 1},  {quiet, 1.0f, 1}, {quiet, 1.0f, 1}, {quiet, 1.0f, 2},  // hold + 1 = 4 steps
        {quiet, 0.75f, 2}, {loud, 0.5f, 2},                                  // release; loud sample enters
        {quiet, 0.75f, 0},                                                   // ...and restarts the attack
        {quiet, 1.0f, 0},  {loud, 1.0f, 1},  {quiet, 1.0f, 1}, {quiet, 1.0f, 1},
        {loud, 1.0f, 1},                                                     // loud in the hold: reload
        {quiet, 1.0f, 1},  {quiet, 1.0f, 1}, {quiet, 1.0f, 1}, {quiet, 1.0f, 1}, {quiet, 1.0f, 2},
        {quiet, 0.75f, 2}, {quiet, 0.5f, 2}, {quiet, 0.25f, 2}, {quiet, 0.0f, 2}, {quiet, 0.0f, 2},
    };
    auto e = plainEngine(10, 1);
    e->gateEnabled = true;
    e->gateThreshold = 0.01f;
    e->gateAttackStep = 0.25f;
    e->gateReleaseStep = 0.25f;
    e->gateHoldLength = 3;
    for (std::size_t n = 0; n < sizeof steps / sizeof steps[0]; ++n) {
        CAPTURE(n);
        StereoBuffer one(1, steps[n].input);
        runBlocks(*e, one, 1);
        CHECK(e->gateLevel == steps[n].level);
        CHECK(static_cast<int>(e->gateState) == steps[n].state);
    }
}

TEST_CASE("a disabled gate freezes its level and state and leaves the wet signal alone")
{
    auto e = plainEngine(10, 1);
    e->gateLevel = 0.5f;
    e->gateState = 2;
    auto open = plainEngine(10, 1);
    const StereoBuffer noise = noiseOf(5000, 0.5f, 3u);
    const StereoBuffer a = runBlocks(*e, noise, 256);
    const StereoBuffer b = runBlocks(*open, noise, 256);
    CHECK(e->gateLevel == 0.5f);
    CHECK(e->gateState == 2);
    CHECK(firstDifference(a.left, b.left) == -1);
}

TEST_CASE("balance scales the wet signal only: 2/0 at 0, 1/1 at 20, 0/2 at 40")
{
    const StereoBuffer noise = noiseOf(6000, 0.5f, 4u);
    auto centre = plainEngine(10, 1);
    const StereoBuffer wet = runBlocks(*centre, noise, 512);
    struct Case {
        int panorama;
        float left;
        float right;
    };
    for (const Case c : {Case{0, 2.0f, 0.0f}, Case{20, 1.0f, 1.0f}, Case{40, 0.0f, 2.0f}}) {
        CAPTURE(c.panorama);
        auto e = plainEngine(10, 1);
        e->panorama = static_cast<std::uint8_t>(c.panorama);
        const StereoBuffer out = runBlocks(*e, noise, 512);
        bool scaled = true;
        for (std::size_t n = 0; n < out.frames(); ++n)
            scaled = scaled && out.left[n] == c.left * wet.left[n] && out.right[n] == c.right * wet.right[n];
        CHECK(scaled);

        // Dry only: the balance does not touch it.
        auto dry = plainEngine(10, 1);
        dry->panorama = static_cast<std::uint8_t>(c.panorama);
        dry->setWet(0.0f);
        dry->setDry(1.0f);  // 0 dB
        const StereoBuffer loud = noiseOf(2000, 1.0f, 8u);
        StereoBuffer in = loud;
        for (std::size_t n = 0; n < in.frames(); ++n) {  // keep away from zero
            in.left[n] = in.left[n] < 0.0f ? in.left[n] - 0.5f : in.left[n] + 0.5f;
            in.right[n] = in.right[n] < 0.0f ? in.right[n] - 0.5f : in.right[n] + 0.5f;
        }
        const StereoBuffer passed = runBlocks(*dry, in, 512);
        CHECK(firstDifference(passed.left, in.left) == -1);
        CHECK(firstDifference(passed.right, in.right) == -1);
    }
}

TEST_CASE("mute: overwriting passes the input bit for bit, adding leaves the outputs alone, the chain runs on")
{
    StereoBuffer in = noiseOf(4000, 0.5f, 6u);
    in.left[100] = std::numeric_limits<float>::quiet_NaN();  // passed through untouched too
    in.right[200] = -0.0f;
    auto reference = plainEngine(10, 1);
    auto e = plainEngine(10, 1);
    reference->setDry(0.5f);
    e->setDry(0.5f);
    e->muted = true;

    StereoBuffer out(in.frames(), 0.125f);
    float* inputs[2] = {in.left.data(), in.right.data()};
    float* outputs[2] = {out.left.data(), out.right.data()};
    e->processOverwriting(inputs, outputs, 2000);
    CHECK(std::memcmp(out.left.data(), in.left.data(), 2000 * sizeof(float)) == 0);
    CHECK(std::memcmp(out.right.data(), in.right.data(), 2000 * sizeof(float)) == 0);

    StereoBuffer untouched(in.frames(), 0.125f);
    float* more[2] = {in.left.data() + 2000, in.right.data() + 2000};
    float* into[2] = {untouched.left.data() + 2000, untouched.right.data() + 2000};
    e->processAdding(more, into, 2000);
    CHECK(firstDifference(untouched.left, StereoBuffer(in.frames(), 0.125f).left) == -1);

    // Unmuted, it carries on from where an engine that was never muted is.
    runBlocks(*reference, in, 2000);
    e->muted = false;
    StereoBuffer next = noiseOf(3000, 0.5f, 7u);
    const StereoBuffer a = runBlocks(*e, next, 500);
    const StereoBuffer b = runBlocks(*reference, next, 500);
    CHECK(firstDifference(a.left, b.left) == -1);
    CHECK(firstDifference(a.right, b.right) == -1);
    // The peaks followed the computed result while muted, too.
    CHECK(e->peakLeft.get() == reference->peakLeft.get());
    CHECK(e->peakRight.get() == reference->peakRight.get());
}

TEST_CASE("peaks hold the largest output magnitude since they were cleared")
{
    auto e = plainEngine(10, 1);
    e->setWet(0.0f);
    e->setDry(1.0f);
    StereoBuffer in(1000, 0.25f);
    in.left[10] = -0.75f;
    in.right[990] = 0.5f;
    runBlocks(*e, in, 128);
    CHECK(e->peakLeft.get() == 0.75f);
    CHECK(e->peakRight.get() == 0.5f);

    // The editor clears them between blocks; the next block starts afresh.
    e->peakLeft = 0.0f;
    e->peakRight = 0.0f;
    runBlocks(*e, StereoBuffer(100, -0.125f), 100);
    CHECK(e->peakLeft.get() == 0.125f);
    CHECK(e->peakRight.get() == 0.125f);
}

TEST_CASE("a block of zero or fewer frames changes nothing, not even the peaks")
{
    auto e = plainEngine(10, 1);
    auto twin = plainEngine(10, 1);
    const StereoBuffer noise = noiseOf(3000, 0.5f, 10u);
    runBlocks(*e, noise, 300);
    runBlocks(*twin, noise, 300);
    e->peakLeft = 7.0f;
    twin->peakLeft = 7.0f;
    StereoBuffer out(16, 0.5f);
    float* inputs[2] = {out.left.data(), out.right.data()};
    float* outputs[2] = {out.left.data(), out.right.data()};
    for (const std::int32_t frames : {0, -1, -512}) {
        e->processOverwriting(inputs, outputs, frames);
        e->processAdding(inputs, outputs, frames);
    }
    CHECK(firstDifference(out.left, StereoBuffer(16, 0.5f).left) == -1);
    CHECK(e->peakLeft.get() == 7.0f);
    CHECK(e->preDelayIndex == twin->preDelayIndex);
    const StereoBuffer a = runBlocks(*e, noise, 256);
    const StereoBuffer b = runBlocks(*twin, noise, 256);
    CHECK(firstDifference(a.left, b.left) == -1);
}

TEST_CASE("a held tail sustains, and takes no input once the pre-delay has drained")
{
    const int preDelay = 441;
    auto held = plainEngine(10, preDelay);
    auto other = plainEngine(10, preDelay);
    const StereoBuffer noise = noiseOf(44100, 0.5f, 11u);
    runBlocks(*held, noise, 512);
    runBlocks(*other, noise, 512);
    held->setTailHold(0.5f);
    other->setTailHold(0.5f);

    // Different inputs while held: only what was in the pre-delay gets in.
    const StereoBuffer loud = noiseOf(10 * 44100, 0.9f, 12u);
    const StereoBuffer silence(10 * 44100);
    const StereoBuffer a = runBlocks(*held, loud, 512);
    const StereoBuffer b = runBlocks(*other, silence, 512);
    CHECK(firstDifference(a.left, b.left) == -1);
    CHECK(firstDifference(a.right, b.right) == -1);

    // Ten seconds on, the tail is as strong as at the start.
    const float early = rms(a.left, 0, 44100);
    const float late = rms(a.left, 9 * 44100, 10 * 44100);
    CHECK(early > 1e-3f);
    CHECK(late > 0.5f * early);

    // Released, it dies away.
    held->setTailHold(0.0f);
    const StereoBuffer decay = runBlocks(*held, silence, 512);
    CHECK(rms(decay.left, 9 * 44100, 10 * 44100) < 1e-4f * early);
}

TEST_CASE("NaN and infinite input samples are taken as silence, even with the tail held")
{
    StereoBuffer in = noiseOf(3 * 44100, 0.5f, 13u);
    in.left[1000] = std::numeric_limits<float>::quiet_NaN();
    in.right[2000] = std::numeric_limits<float>::infinity();
    in.left[3000] = -std::numeric_limits<float>::infinity();
    StereoBuffer clean = in;
    clean.left[1000] = clean.right[2000] = clean.left[3000] = 0.0f;

    for (const bool hold : {false, true}) {
        CAPTURE(hold);
        auto e = plainEngine(10, 100);
        auto expected = plainEngine(10, 100);
        e->setDry(0.5f);
        expected->setDry(0.5f);
        if (hold) {
            // Held from the start of the bad samples: what is in the
            // pre-delay then would otherwise carry the NaN into the tank.
            runBlocks(*e, noiseOf(4000, 0.5f, 14u), 512);
            runBlocks(*expected, noiseOf(4000, 0.5f, 14u), 512);
            e->setTailHold(0.5f);
            expected->setTailHold(0.5f);
        }
        const StereoBuffer got = runBlocks(*e, in, 512);
        const StereoBuffer want = runBlocks(*expected, clean, 512);
        CHECK(firstDifference(got.left, want.left) == -1);
        CHECK(firstDifference(got.right, want.right) == -1);
        bool finite = true;
        for (std::size_t n = 0; n < got.frames(); ++n)
            finite = finite && std::isfinite(got.left[n]) && std::isfinite(got.right[n]);
        CHECK(finite);
        CHECK(rms(got.left, got.frames() - 44100, got.frames()) > 1e-4f);
    }
}
