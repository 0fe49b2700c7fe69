// A minimal effect and editor on the framework of the level under test:
// they override nothing of substance, so the tests see the framework's own
// answers, and they count the calls the framework makes.
#pragma once

#include "framework/plug_editor.h"
#if FRAMEWORK_LEVEL >= 2
#include "framework/plug_effect2.h"
using TestEffectBase = PlugEffect2;
#else
#include "framework/plug_effect.h"
using TestEffectBase = PlugEffect;
#endif

struct LifeCounts {
    int effectsDestroyed = 0;
    int editorsDestroyed = 0;
    int onCloseCalls = 0;
    bool editorAliveAtOnClose = false;
};

inline LifeCounts& lifeCounts()
{
    static LifeCounts counts;
    return counts;
}

class TestEffect : public TestEffectBase {
public:
    explicit TestEffect(HostCallback host, std::int32_t programs = 4, std::int32_t params = 3)
        : TestEffectBase(host, programs, params)
    {
    }
    ~TestEffect() override { ++lifeCounts().effectsDestroyed; }

    void processAdding(float**, float**, std::int32_t) override {}
    void setParam(std::int32_t index, float value) override
    {
        lastIndex = index;
        lastValue = value;
    }
    float meterLevel() override { return meter; }
    void onClose() override
    {
        ++lifeCounts().onCloseCalls;
        lifeCounts().editorAliveAtOnClose = attachedEditor() != nullptr;
    }
    void changeSampleRate(float rate) override
    {
        ++sampleRateChanges;
        TestEffectBase::changeSampleRate(rate);
    }
    void onSuspend() override { ++suspends; }
    void onResume() override { ++resumes; }
    void selectProgram(std::int32_t number) override
    {
        ++selects;
        TestEffectBase::selectProgram(number);
    }

    std::int32_t lastIndex = -1;
    float lastValue = 0.0f;
    float meter = 0.0f;
    int sampleRateChanges = 0;
    int suspends = 0;
    int resumes = 0;
    int selects = 0;
};

class TestEditor : public PlugEditor {
public:
    explicit TestEditor(PlugEffect* owner) : PlugEditor(owner) {}
    ~TestEditor() override { ++lifeCounts().editorsDestroyed; }

    std::int32_t queryRect(EditorRect** rect) override
    {
        *rect = &area;
        return 1;
    }
    std::int32_t openWindow(void* parentWindow) override
    {
        PlugEditor::openWindow(parentWindow);
        return 1;
    }
    void closeWindow() override { ++closes; }
    void refresh() override { ++refreshes; }
#if FRAMEWORK_LEVEL >= 3
    std::int32_t keyDown(KeyRecord key) override
    {
        lastKey = key;
        return 7;
    }
    std::int32_t keyUp(KeyRecord key) override
    {
        lastKey = key;
        return 8;
    }
    std::int32_t setKnobStyle(std::int32_t mode) override { return mode + 100; }
    KeyRecord lastKey{};
#endif

    EditorRect area{0, 0, 256, 512};
    int closes = 0;
    int refreshes = 0;
};

// The framework destroys effects through their record, as a host does.
inline PlugInt dispatchTo(TestEffect& effect, std::int32_t opcode, std::int32_t index = 0, PlugInt value = 0,
                          void* ptr = nullptr, float opt = 0.0f)
{
    return effect.record()->dispatch(effect.record(), opcode, index, value, ptr, opt);
}
