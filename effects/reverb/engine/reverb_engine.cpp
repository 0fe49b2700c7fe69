#include "effects/reverb/engine/reverb_engine.h"

#include <algorithm>
#include <cmath>
#include <new>

static_assert(tankCombLengths[tankPairCount - 1] > combChunkLength && tankCombLengths[0] > combChunkLength,
              "a comb chunk must be shorter than every comb line");
static_assert(tankAllpassLengths[tankAllpassCount - 1] > wetChunkLength,
              "a wet chunk must be shorter than every all-pass line");

// Everything the audio thread takes from the settings at block start, and
// the running values it hands back at block end.
struct ReverbEngine::Block {
    int preDelayLength = 1;
    bool gateOn = false;
    float gateThreshold = 0.0f;
    float gateAttack = 0.0f;
    float gateRelease = 0.0f;
    std::uint16_t gateHold = 0;
    int pairs = 0;
    bool undamped = false;
    float inputHalf = 0.0f;

    int preDelayIndex = 0;
    float gateLevel = 0.0f;
    std::uint8_t gateState = 0;
};

ReverbEngine::ReverbEngine()
{
    // Filter stores, indices, the gate's counter and state, the mute and the
    // gate switch start at zero through their initialisers.
    preDelay = new (std::nothrow) float[preDelayCapacity];
    preDelaySize = preDelayCapacity;
    if (!preDelay) {
        // Run without pre-delay rather than without reverb.
        preDelay = preDelayFallback;
        preDelaySize = 1;
    }
    highPassAmount = 0.5f;
    lowPassAmount = 0.5f;
    preDelayIndex = 0;
    gateLevel = 0.0f;
    std::fill(highPassHistory, highPassHistory + 6, 0.0f);
    lowPassState[0] = lowPassState[1] = 0.0f;
    clearPreDelay();

    float* line = combLines + combChunkLength;
    for (int i = 0; i < pairCount; ++i) {
        leftCombs[i].attach(line, tankCombLengths[i]);
        line += tankCombLengths[i] + linePad;
        rightCombs[i].attach(line, tankCombLengths[i] + tankStereoSpread);
        line += tankCombLengths[i] + tankStereoSpread + linePad;
    }
    line = allpassLines + wetChunkLength;
    for (int i = 0; i < allpassCount; ++i) {
        leftAllpasses[i].attach(line, tankAllpassLengths[i]);
        line += tankAllpassLengths[i] + linePad;
        rightAllpasses[i].attach(line, tankAllpassLengths[i] + tankStereoSpread);
        line += tankAllpassLengths[i] + tankStereoSpread + linePad;
        leftAllpasses[i].feedback = 0.5f;
        rightAllpasses[i].feedback = 0.5f;
    }

    setWet(1.0f / 3.0f);
    setRoomSize(0.5f);
    setDry(0.0f);
    setDamping(0.5f);
    setTailHold(0.0f);
    clearTank();
    peakLeft = 0.0f;
    peakRight = 0.0f;
    selectKernel(widestSimdKernel());
}

bool ReverbEngine::selectKernel(SimdKernel kernel)
{
    if (!bank.selectKernel(kernel))
        return false;
    switch (kernel) {
    case SimdKernel::Avx512:
        wetKernel = runWetChainX16;
        mixKernel = mixTankInputX16;
        break;
    case SimdKernel::Avx2:
        wetKernel = runWetChainX8;
        mixKernel = mixTankInputX8;
        break;
    default:
        wetKernel = runWetChainX4;
        mixKernel = mixTankInputX4;
        break;
    }
    return true;
}

ReverbEngine::~ReverbEngine()
{
    if (preDelay != preDelayFallback)
        delete[] preDelay;
}

static float clampUnit(float x)
{
    if (!(x >= 0.0f))  // also NaN
        return 0.0f;
    return x > 1.0f ? 1.0f : x;
}

void ReverbEngine::setRoomSize(float x)
{
    // 0.7563 is 1 / log10(21): x = 0 gives 0.65, x = 1 gives 0.98.
    const double feedback = std::log10(20.0 * clampUnit(x) + 1.0) * 0.33 * 0.7563 + 0.65;
    roomSize = static_cast<float>(feedback);
    applyTankSettings();
}

void ReverbEngine::setDamping(float x)
{
    damping = 0.55f * clampUnit(x);
    applyTankSettings();
}

void ReverbEngine::setWet(float x) { wetGain = 3.0f * x; }

void ReverbEngine::setDry(float x) { dryGain = 2.0f * x; }

void ReverbEngine::setTailHold(float mode)
{
    tailHoldMode = mode;
    applyTankSettings();
}

float ReverbEngine::isTailHeld() const { return tailHoldMode.get() >= 0.5f ? 1.0f : 0.0f; }

void ReverbEngine::applyTankSettings()
{
    const bool held = isTailHeld() >= 0.5f;
    const float feedback = held ? 1.0f : roomSize.get();
    const float damp = held ? 0.0f : damping.get();
    effectiveFeedback = feedback;
    effectiveDamping = damp;
    inputGain = held ? 0.0f : 0.015f;
    // All twenty, whatever the quality: a later quality change finds them set.
    for (int i = 0; i < pairCount; ++i) {
        leftCombs[i].setFeedback(feedback);
        leftCombs[i].setDamping(damp);
        rightCombs[i].setFeedback(feedback);
        rightCombs[i].setDamping(damp);
    }
}

void ReverbEngine::clearTank()
{
    if (isTailHeld() >= 0.5f)
        return;
    // Filter stores and indices stay as they are.
    std::fill(combLines, combLines + combStorage, 0.0f);
    std::fill(allpassLines, allpassLines + allpassStorage, 0.0f);
}

void ReverbEngine::clearPreDelay() { std::fill(preDelay, preDelay + preDelaySize, 0.0f); }

void ReverbEngine::processOverwriting(float** inputs, float** outputs, std::int32_t frames)
{
    process(inputs, outputs, frames, false);
}

void ReverbEngine::processAdding(float** inputs, float** outputs, std::int32_t frames)
{
    process(inputs, outputs, frames, true);
}

void ReverbEngine::process(float** inputs, float** outputs, std::int32_t frames, bool adding)
{
    if (frames <= 0)
        return;
    Block block;
    wet.adding = adding;
    beginBlock(block);
    for (std::int32_t done = 0; done < frames;) {
        const int n = static_cast<int>(std::min<std::int32_t>(frames - done, chunkLength));
        runChunk(block, inputs[0] + done, inputs[1] + done, outputs[0] + done, outputs[1] + done, n);
        done += n;
    }
    endBlock(block);
}

static float qualityMakeUp(int pairs)
{
    switch (pairs) {
    case 8: return 1.1f;
    case 6: return 1.4f;
    case 4: return 1.7f;
    default: return 1.0f;
    }
}

void ReverbEngine::beginBlock(Block& block)
{
    block.preDelayLength = std::min<int>(std::max<int>(preDelayLength.get(), 1), preDelaySize);
    block.preDelayIndex = preDelayIndex;
    block.gateOn = gateEnabled;
    block.gateThreshold = gateThreshold;
    block.gateAttack = gateAttackStep;
    block.gateRelease = gateReleaseStep;
    block.gateHold = gateHoldLength;
    block.gateLevel = gateLevel;
    block.gateState = gateState;
    block.pairs = std::min<int>(combCount.get(), pairCount);
    block.undamped = effectiveDamping.get() == 0.0f;
    block.inputHalf = inputGain.get() * 0.5f;

    const float wetGainNow = wetGain;
    wet.wet = block.pairs == pairCount ? wetGainNow : wetGainNow * qualityMakeUp(block.pairs);
    wet.muted = muted;
    wet.dryHalf = dryGain.get() * 0.5f;
    wet.highPass = highPassAmount;
    const float w = (lowPassAmount.get() + 0.005525f) * 200.0f;
    wet.a0 = 2.0f / (w + 1.0f);
    wet.b1 = (1.0f - w) / (w + 1.0f);
    const int balance = panorama.get();
    wet.gainLeft = static_cast<float>(40 - balance) / 20.0f;
    wet.gainRight = static_cast<float>(balance) / 20.0f;
    for (int k = 0; k < allpassCount; ++k) {
        wet.feedback[k] = leftAllpasses[k].feedback;
        wet.feedback[allpassCount + k] = rightAllpasses[k].feedback;
        wet.line[k] = leftAllpasses[k].buffer;
        wet.line[allpassCount + k] = rightAllpasses[k].buffer;
        wet.length[k] = leftAllpasses[k].length;
        wet.length[allpassCount + k] = rightAllpasses[k].length;
        wet.index[k] = leftAllpasses[k].index;
        wet.index[allpassCount + k] = rightAllpasses[k].index;
    }
    std::copy(highPassHistory, highPassHistory + 6, wet.history);
    wet.lowPass[0] = lowPassState[0];
    wet.lowPass[1] = lowPassState[1];
    wet.peakLeft = peakLeft;
    wet.peakRight = peakRight;

    bank.beginBlock(leftCombs, rightCombs, block.pairs, block.undamped);
}

void ReverbEngine::endBlock(const Block& block)
{
    bank.endBlock();
    for (int k = 0; k < allpassCount; ++k) {
        leftAllpasses[k].index = wet.index[k];
        rightAllpasses[k].index = wet.index[allpassCount + k];
    }
    preDelayIndex = static_cast<std::uint16_t>(block.preDelayIndex);
    gateLevel = block.gateLevel;
    gateState = block.gateState;
    std::copy(wet.history, wet.history + 6, highPassHistory);
    lowPassState[0] = wet.lowPass[0];
    lowPassState[1] = wet.lowPass[1];
    peakLeft = wet.peakLeft;
    peakRight = wet.peakRight;
}

void ReverbEngine::runChunk(Block& block, const float* inLeft, const float* inRight, float* outLeft,
                            float* outRight, int frames)
{
    runPreDelay(block, inLeft, inRight, frames);
    if (block.gateOn)
        runGate(block, frames);
    bank.processChunk(tankInput, combSumLeft, combSumRight, frames);
    for (int done = 0; done < frames;) {
        const int n = std::min(frames - done, wetChunkLength);
        wet.gateGain = block.gateOn ? gateGain + done : nullptr;
        runWetChain(done, inLeft + done, inRight + done, outLeft + done, outRight + done, n);
        done += n;
    }
}

// Each position is read, then written: runs end where the index wraps. A
// run's tank input is what its stretch of the line held; the stretch then
// takes the run's input mix.
void ReverbEngine::runPreDelay(Block& block, const float* inLeft, const float* inRight, int frames)
{
    const int length = block.preDelayLength;
    int index = block.preDelayIndex;
    for (int i = 0; i < frames;) {
        const int run = index < length ? std::min(frames - i, length - index) : 1;
        std::copy(preDelay + index, preDelay + index + run, tankInput + i);
        mixKernel(preDelay + index, inLeft + i, inRight + i, run, block.inputHalf);
        index += run;
        if (index >= length)
            index = 0;
        i += run;
    }
    block.preDelayIndex = index;
}

// The gate follows the pre-delay output: opening, holding, closing.
void ReverbEngine::runGate(Block& block, int frames)
{
    float level = block.gateLevel;
    std::uint8_t state = block.gateState;
    std::uint16_t counter = gateHoldCounter;
    for (int i = 0; i < frames; ++i) {
        const float s = tankInput[i];
        const float magnitude = s <= 0.0f ? -s : s;
        if (magnitude > block.gateThreshold)
            state = 0;  // a loud sample restarts the attack, or the hold
        switch (state) {
        case 0:
            if (level < 1.0f) {
                level += block.gateAttack;
            } else {
                level = 1.0f;
                state = 1;
                counter = block.gateHold;
            }
            break;
        case 1: {
            const std::uint16_t left = counter;
            counter = static_cast<std::uint16_t>(left - 1);
            if (left == 0)
                state = 2;
            break;
        }
        case 2:
            if (level <= 0.0f)
                level = 0.0f;
            else
                level -= block.gateRelease;
            break;
        default:
            break;
        }
        gateGain[i] = level;
    }
    block.gateLevel = level;
    block.gateState = state;
    gateHoldCounter = counter;
}

void ReverbEngine::runWetChain(int offset, const float* inLeft, const float* inRight, float* outLeft,
                               float* outRight, int frames)
{
    wet.frames = frames;
    wet.sumLeft = combSumLeft + offset;
    wet.sumRight = combSumRight + offset;
    wet.inLeft = inLeft;
    wet.inRight = inRight;
    wet.outLeft = outLeft;
    wet.outRight = outRight;
    wetKernel(wet);
    // The chain holds the all-pass positions until the block ends.
    for (int k = 0; k < 2 * allpassCount; ++k) {
        const int index = wet.index[k] + frames;
        wet.index[k] = index >= wet.length[k] ? index - wet.length[k] : index;
    }
}
