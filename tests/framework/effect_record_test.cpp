// The record a fresh effect hands the host, and the entry points in it.
#include "tests/support/fake_host.h"
#include "tests/framework/test_effect.h"

#include <doctest.h>

#include <initializer_list>

#include <cstring>

TEST_CASE("a fresh effect's record carries the framework's defaults")
{
    FakeHost::reset();
    TestEffect effect(FakeHost::callback, 5, 7);
    const EffectRecord& r = *effect.record();
    CHECK(r.magic == 0x56737450);
    CHECK(r.programCount == 5);
    CHECK(r.paramCount == 7);
    CHECK(r.inputCount == 1);
    CHECK(r.outputCount == 2);
    CHECK(r.flags == 0);
    CHECK(r.reserved1 == 0);
    CHECK(r.reserved2 == 0);
    CHECK(r.latency == 0);
    CHECK(r.realtimeQualities == 0);
    CHECK(r.offlineQualities == 0);
    CHECK(r.ioRatio == 1.0f);
    CHECK(r.object == &effect);
    CHECK(r.user == nullptr);
    CHECK(r.effectId == 0x4E6F4566);
    CHECK(r.version == 1);
    CHECK(r.reservedTailHead == 0);
    char zeros[sizeof r.reservedTail] = {};
    CHECK(std::memcmp(r.reservedTail, zeros, sizeof zeros) == 0);
    CHECK((r.dispatch != nullptr));
    CHECK((r.processAdding != nullptr));
    CHECK((r.processOverwriting != nullptr));
    CHECK((r.setParam != nullptr));
    CHECK((r.getParam != nullptr));
    CHECK(effect.sampleRate() == 44100.0f);
    CHECK(effect.blockSize() == 1024);
    CHECK(effect.currentProgram() == 0);
}

TEST_CASE("declarations set and clear only their own flag bits")
{
    TestEffect effect(nullptr);
    struct Case {
        void (PlugEffect::*declare)(bool);
        std::int32_t flag;
    };
    const Case cases[] = {
        {&PlugEffect::declareMeter, MeterFlag},           {&PlugEffect::declareClip, ClipFlag},
        {&PlugEffect::declareMono, MonoFlag},             {&PlugEffect::declareOverwriting, OverwriteFlag},
        {&PlugEffect::declareChunks, ChunkFlag},
    };
    std::int32_t expected = 0;
    for (const Case& c : cases) {
        (effect.*c.declare)(true);
        expected |= c.flag;
        CHECK(effect.record()->flags == expected);
    }
    for (const Case& c : cases) {
        (effect.*c.declare)(false);
        expected &= ~c.flag;
        CHECK(effect.record()->flags == expected);
    }
#if FRAMEWORK_LEVEL >= 2
    effect.declareInstrument(true);
    effect.declareSilentWhenStopped(true);
    effect.declareAsync(true);
    effect.declareExternalBuffer(true);
    CHECK(effect.record()->flags == (InstrumentFlag | SilentStopFlag | AsyncFlag | ExternalBufferFlag));
    effect.declareInstrument(false);
    CHECK(effect.record()->flags == (SilentStopFlag | AsyncFlag | ExternalBufferFlag));
#endif
}

TEST_CASE("record setters reach their fields")
{
    TestEffect effect(nullptr);
    effect.setEffectId(fourCharCode("QZ02"));
    effect.setInputCount(4);
    effect.setOutputCount(10);
    effect.setRealtimeQuality(3);
    effect.setOfflineQuality(5);
    effect.setLatency(64);
    const EffectRecord& r = *effect.record();
    CHECK(r.effectId == 0x515A3032);
    CHECK(r.inputCount == 4);
    CHECK(r.outputCount == 10);
    CHECK(r.realtimeQualities == 3);
    CHECK(r.offlineQualities == 5);
    CHECK(r.latency == 64);
}

TEST_CASE("the parameter entries forward to the effect")
{
    TestEffect effect(nullptr);
    EffectRecord* r = effect.record();
    r->setParam(r, 2, 0.25f);
    CHECK(effect.lastIndex == 2);
    CHECK(effect.lastValue == 0.25f);
    CHECK(r->getParam(r, 0) == 0.0f);
}

TEST_CASE("OpClose runs onClose, destroys the effect and its editor once, and answers 1")
{
    for (bool withEditor : {false, true}) {
        lifeCounts() = {};
        auto* effect = new TestEffect(nullptr);
        if (withEditor)
            effect->attachEditor(new TestEditor(effect));
        EffectRecord* r = effect->record();
        CHECK(r->dispatch(r, OpClose, 0, 0, nullptr, 0.0f) == 1);
        CHECK(lifeCounts().onCloseCalls == 1);
        CHECK(lifeCounts().editorAliveAtOnClose == withEditor);
        CHECK(lifeCounts().effectsDestroyed == 1);
        CHECK(lifeCounts().editorsDestroyed == (withEditor ? 1 : 0));
    }
}
