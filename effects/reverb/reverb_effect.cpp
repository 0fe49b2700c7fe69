#include "effects/reverb/reverb_effect.h"

#include "effects/reverb/reverb_presets.h"
#include "effects/reverb/reverb_value_access.h"
#include "framework/host_text.h"
#include "framework/plug_editor.h"

#include <cmath>
#include <cstring>

namespace {

// Times are counted at a fixed 44.1 samples per millisecond. The constant is
// a float (44.0999985) multiplied in double precision and truncated, so
// 100 ms gives 4409 samples.
constexpr float SamplesPerMs = 44.1f;

double samplesFor(std::uint32_t milliseconds)
{
    return static_cast<double>(milliseconds) * static_cast<double>(SamplesPerMs);
}

// The fader law shared by the wet and dry faders: 0.2 dB a step, 120 is
// 0 dB, 0 is silence.
float faderGain(std::uint32_t step)
{
    if (step == 0)
        return 0.0f;
    return static_cast<float>(std::pow(10.0, (step / 5.0 - 24.0) / 20.0));
}

bool isQualityValue(float value)
{
    return value == 4.0f || value == 6.0f || value == 8.0f || value == 10.0f;
}

// The order in which a program's values are applied.
const std::int32_t ProgramApplyOrder[ReverbParamCount] = {0, 1, 2, 3, 4, 5, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};

} // namespace

ReverbEffect::ReverbEffect(HostCallback host)
    : PlugEffect(host, ReverbProgramCount, ReverbParamCount), programs(new ReverbProgram[ReverbProgramCount])
{
    fillFactoryPrograms(programs.get());
    selectProgram(0);
    setInputCount(2);
    setOutputCount(2);
    declareMeter(true);
    declareMono(true);
    declareOverwriting(true);
    setEffectId(fourCharCode("MzRv"));
}

// Values outside the panel's ranges are clamped to them: they would push the
// pre-delay past its buffer, make gate steps infinite, comb feedback exceed
// 1.0 or the damping filter unstable.
void ReverbEffect::setParam(std::int32_t index, float value)
{
    if (value > 0.0f && value < 1.0f)
        value = std::trunc(value * 1000.0f + 0.5f);

    if (index >= 0 && index < Reserved15) {
        bool store = true;
        std::uint32_t stored = 0;
        if (index == GateOn || index == TailHold) {
            stored = (value == 0.0f || std::isnan(value)) ? 0 : 1;
        } else if (index == Quality) {
            store = isQualityValue(value);
            stored = store ? static_cast<std::uint32_t>(value) : 0;
        } else if (std::isnan(value)) {
            store = false; // no number to store: the parameter keeps its value
        } else {
            const NativeRange range = nativeRange(index);
            const float whole = std::trunc(value);
            stored = static_cast<std::uint32_t>(whole < range.lowest    ? range.lowest
                                                : whole > range.highest ? range.highest
                                                                        : static_cast<std::int32_t>(whole));
        }
        if (store) {
            storeValue(programs[programNumber].values, index, stored);
            storeValue(currentValues, index, stored);
            applyToEngine(index, stored);
        }
        if (index == Quality)
            tankClearPending = true;
    }
    if (editorAttached != nullptr)
        editorAttached->postRefresh();
}

void ReverbEffect::applyToEngine(std::int32_t index, std::uint32_t v)
{
    switch (index) {
    case GateOn:
        engine.gateEnabled = v != 0;
        break;
    case TailHold:
        engine.setTailHold(v != 0 ? 0.5f : 0.0f);
        break;
    case RoomSize:
        engine.setRoomSize(static_cast<float>(v) / 203.0f);
        break;
    case Damping:
        engine.setDamping(static_cast<float>(v) / 100.0f);
        break;
    case PreDelay:
        preDelayClearPending = true;
        engine.preDelayLength = static_cast<std::uint16_t>(samplesFor(v));
        break;
    case HighPass:
        engine.highPassAmount = static_cast<float>(v) / 600.0f;
        break;
    case GateAttack:
        engine.gateAttackStep = static_cast<float>(1.0 / samplesFor(v));
        break;
    case GateThreshold:
        engine.gateThreshold = static_cast<float>(std::pow(10.0, (90.0 - v) / 20.0) / 2184533.0);
        break;
    case GateHold:
        engine.gateHoldLength = static_cast<std::uint16_t>(samplesFor(v));
        break;
    case GateRelease:
        engine.gateReleaseStep = static_cast<float>(1.0 / samplesFor(v));
        break;
    case WetLevel:
        engine.setWet(faderGain(v));
        break;
    case DryLevel:
        engine.setDry(faderGain(v));
        break;
    case LowPass:
        engine.lowPassAmount = static_cast<float>(v) / 600.0f;
        break;
    case Quality:
        engine.combCount = static_cast<std::uint8_t>(v);
        break;
    case Panorama:
        engine.panorama = static_cast<std::uint8_t>(v);
        break;
    default:
        break;
    }
}

float ReverbEffect::getParam(std::int32_t index)
{
    if (index == GateOn || index == TailHold)
        return valueOf(currentValues, index) != 0 ? 1.0f : 0.0f;
    if (index > TailHold && index < Reserved15)
        return static_cast<float>(valueOf(currentValues, index));
    return 0.0f;
}

void ReverbEffect::copyPeaks()
{
    meterLeft = engine.peakLeft;
    meterRight = engine.peakRight;
}

void ReverbEffect::runPendingClears()
{
    if (tankClearPending.exchange(false, std::memory_order_relaxed))
        engine.clearTank();
    if (preDelayClearPending.exchange(false, std::memory_order_relaxed))
        engine.clearPreDelay();
}

void ReverbEffect::processAdding(float** inputs, float** outputs, std::int32_t frames)
{
    runPendingClears();
    engine.processAdding(inputs, outputs, frames);
    copyPeaks();
}

void ReverbEffect::processOverwriting(float** inputs, float** outputs, std::int32_t frames)
{
    runPendingClears();
    engine.processOverwriting(inputs, outputs, frames);
    copyPeaks();
}

void ReverbEffect::selectProgram(std::int32_t number)
{
    if (number < 0 || number >= ReverbProgramCount)
        return;
    programNumber = number;
    const ReverbValues values = programs[number].values;
    for (std::int32_t index : ProgramApplyOrder)
        setParam(index, static_cast<float>(valueOf(values, index)));
}

// Names longer than 24 characters are cut: nothing is written past the name.
void ReverbEffect::renameProgram(char* text)
{
    copyHostText(programs[programNumber].name, text, ReverbProgramNameMax);
}

void ReverbEffect::copyProgramName(char* text)
{
    copyHostText(text, programs[programNumber].name, ReverbProgramNameMax);
}

void ReverbEffect::copyParamUnit(std::int32_t, char*) {}
void ReverbEffect::copyParamValueText(std::int32_t, char*) {}
void ReverbEffect::copyParamTitle(std::int32_t, char*) {}

float ReverbEffect::meterLevel()
{
    return 0.0f;
}

// No block runs while suspended, so the lines are cleared at once.
void ReverbEffect::onSuspend()
{
    tankClearPending = false;
    preDelayClearPending = false;
    engine.clearTank();
    engine.clearPreDelay();
}

void ReverbEffect::setMuted(std::int32_t on)
{
    engine.muted = on != 0;
}
