// ReverbEngine: the DSP object of the MiralteaVerb reverb. Per channel, ten
// lowpass-feedback combs in parallel and four all-passes in series (the right
// lines 23 samples longer), behind a 100 ms pre-delay; then a noise gate, a
// short high-pass FIR, a one-pole low-pass, a balance of the wet signal, the
// dry mix, a mute and output peak meters.
//
// How a block runs. Its settings are copied once; then the block is cut into
// chunks shorter than every delay line, and each stage runs over a whole
// chunk: input mix and pre-delay, gate, the combs (CombBank, SIMD lanes
// across combs), then the all-passes, gate gain, filters, balance, dry mix,
// peaks and output together (WetChain, SIMD lanes along time). Each lane
// does exactly the float operations of the per-sample chain in the same
// order, so the outputs equal the plain per-sample chain bit for bit, on
// every target and with every kernel (SSE2, or AVX2 or AVX-512 where the CPU
// has them).
//
// Threads. The block operations run on the audio thread; setters and the
// public settings below are written by the host's or the editor's thread.
// Every value that crosses threads is a RelaxedValue (a lock-free 32-bit or
// smaller std::atomic used with relaxed order): assign to it and read it
// like a plain field. The audio thread takes a copy of every setting once at
// the start of each block - the combs' feedback and damping, the high-pass
// amount and the mute included - so a change made between two blocks
// applies from the next block on. The peaks are copied at block start and
// stored back at block end, so a clearing during a block is overwritten by
// that block's running maximum. clearTank and clearPreDelay write the lines
// directly; the effect calls them while changing programs or suspended.
//
// Choices the chain leaves open:
// - an input sample that is NaN, infinite or denormal is taken as 0.0, and
//   one beyond ±1e20 as ±1e20, where it enters
//   (tank input and dry signal), so a single bad sample cannot ring for ever
//   in a held tail; the mute still passes the input through untouched;
// - the gate steps first, then scales the wet signal by its new level;
// - setRoomSize and setDamping clamp their argument to 0..1, and a
//   preDelayLength above 4410 acts as 4410;
// - if the pre-delay buffer cannot be allocated, the engine runs with a
//   one-sample pre-delay instead.
#pragma once

#include "effects/reverb/engine/allpass_filter.h"
#include "effects/reverb/engine/comb_bank.h"
#include "effects/reverb/engine/chunk_length.h"
#include "effects/reverb/engine/comb_filter.h"
#include "effects/reverb/engine/cpu_features.h"
#include "framework/relaxed_value.h"
#include "effects/reverb/engine/tank_lengths.h"
#include "effects/reverb/engine/wet_chain.h"

#include <cstdint>

class ReverbEngine {
public:
    static constexpr int pairCount = tankPairCount;
    static constexpr int allpassCount = tankAllpassCount;
    static constexpr int preDelayCapacity = 4410;  // 100 ms at 44.1 samples per ms

    ReverbEngine();
    ~ReverbEngine();
    ReverbEngine(const ReverbEngine&) = delete;
    ReverbEngine& operator=(const ReverbEngine&) = delete;

    // x in 0..1 (clamped): feedback log10(20x + 1) * 0.33 * 0.7563 + 0.65.
    void setRoomSize(float x);
    // x in 0..1 (clamped): damping 0.55 x.
    void setDamping(float x);
    void setWet(float x);  // wet gain 3x
    void setDry(float x);  // dry gain 2x, halved in the chain
    // The tail is held while mode >= 0.5: feedback 1, no damping, no input.
    void setTailHold(float mode);
    float isTailHeld() const;
    void applyTankSettings();
    // Zeroes every comb and all-pass line, unless the tail is held.
    void clearTank();
    void clearPreDelay();

    // inputs and outputs: two channel pointers each; frames <= 0 does nothing.
    // Input and output buffers may be the same memory.
    void processOverwriting(float** inputs, float** outputs, std::int32_t frames);
    void processAdding(float** inputs, float** outputs, std::int32_t frames);

    // The SIMD code the blocks run; the widest the CPU has is chosen. All
    // give the same bits; tests and the bench switch between them, never
    // while a block runs. Returns false (and changes nothing) when the CPU
    // lacks the kernel.
    bool selectKernel(SimdKernel kernel);
    SimdKernel kernel() const { return bank.kernel(); }

    // Settings written by the effect from any thread.
    RelaxedValue<std::uint16_t> preDelayLength{0};  // samples, 0 acts as 1, at most 4410
    RelaxedValue<float> highPassAmount{0.5f};
    RelaxedValue<float> lowPassAmount{0.5f};
    RelaxedValue<float> gateThreshold{0.0f};
    RelaxedValue<float> gateReleaseStep{0.0f};
    RelaxedValue<float> gateAttackStep{0.0f};
    RelaxedValue<std::uint16_t> gateHoldLength{0};
    RelaxedValue<bool> gateEnabled{false};
    RelaxedValue<std::uint8_t> combCount{10};  // pairs run: 4, 6, 8 or 10
    RelaxedValue<std::uint8_t> panorama{20};   // wet balance 0..40, centre 20
    // Output peaks: written by the audio thread, read and zeroed by the editor.
    RelaxedValue<float> peakLeft{0.0f};
    RelaxedValue<float> peakRight{0.0f};
    RelaxedValue<bool> muted{false};

    // Kept by the setters above; read them, write them only through the setters.
    RelaxedValue<float> inputGain{0.015f};
    RelaxedValue<float> roomSize{0.0f};
    RelaxedValue<float> effectiveFeedback{0.0f};
    RelaxedValue<float> damping{0.0f};
    RelaxedValue<float> effectiveDamping{0.0f};
    RelaxedValue<float> wetGain{0.0f};
    RelaxedValue<float> dryGain{0.0f};
    RelaxedValue<float> tailHoldMode{0.0f};

    // State of the audio thread; look at it only between blocks.
    std::uint16_t preDelayIndex = 0;
    float gateLevel = 0.0f;
    float highPassHistory[6] = {};  // left x[n-1], x[n-2], x[n-3], then right
    float lowPassState[2] = {};     // left y[n-1], right y[n-1]
    std::uint16_t gateHoldCounter = 0;
    std::uint8_t gateState = 0;     // 0 opening, 1 holding, 2 closing
    CombFilter leftCombs[pairCount];
    CombFilter rightCombs[pairCount];
    AllpassFilter leftAllpasses[allpassCount];
    AllpassFilter rightAllpasses[allpassCount];

private:
    struct Block;
    static constexpr int chunkLength = combChunkLength;

    void process(float** inputs, float** outputs, std::int32_t frames, bool adding);
    void beginBlock(Block& block);
    void endBlock(const Block& block);
    void runChunk(Block& block, const float* inLeft, const float* inRight, float* outLeft,
                  float* outRight, int frames);
    void runPreDelay(Block& block, const float* inLeft, const float* inRight, int frames);
    void runGate(Block& block, int frames);
    void runWetChain(int offset, const float* inLeft, const float* inRight, float* outLeft, float* outRight,
                     int frames);

    // Delay-line storage, inside the engine: the tank allocates nothing.
    // Room the SIMD passes need around the lines (tile_rows.h): each array
    // starts with a chunk's length of floats, and each line is followed by
    // linePad.
    static constexpr int combStorage = combChunkLength + tankStorage(tankCombLengths, pairCount, linePad);
    static constexpr int allpassStorage = wetChunkLength + tankStorage(tankAllpassLengths, allpassCount, linePad);
    float combLines[combStorage];
    float allpassLines[allpassStorage];
    float* preDelay = nullptr;  // the engine's one heap block
    int preDelaySize = 0;       // 4410, or 1 when the allocation failed
    float preDelayFallback[1] = {};

    CombBank bank;
    WetChainKernel wetKernel = runWetChainX4;
    TankMixKernel mixKernel = mixTankInputX4;
    WetChain wet;  // the wet chain's settings and state while a block runs
    // Per-chunk working arrays, reused from chunk to chunk.
    float tankInput[chunkLength];
    float gateGain[chunkLength];
    float combSumLeft[chunkLength];
    float combSumRight[chunkLength];
};
