// ReverbEffect: the MiralteaVerb effect. It keeps its sixteen parameters in
// native units: its panel sets native values, the host records them as
// thousandths, and setParam turns any value strictly between 0 and 1 back
// into native units. The 25 programs are the live store: editing a
// parameter edits the current program.
#pragma once

#include "effects/reverb/engine/reverb_engine.h"
#include "effects/reverb/reverb_values.h"
#include "framework/plug_effect.h"
#include "framework/relaxed_value.h"

#include <atomic>
#include <memory>

class ReverbPanel;

class ReverbEffect : public PlugEffect {
public:
    explicit ReverbEffect(HostCallback host);

    void setParam(std::int32_t index, float value) override;
    float getParam(std::int32_t index) override;
    void processAdding(float** inputs, float** outputs, std::int32_t frames) override;
    void processOverwriting(float** inputs, float** outputs, std::int32_t frames) override;
    void selectProgram(std::int32_t number) override;
    void renameProgram(char* text) override;
    void copyProgramName(char* text) override;
    // The host gets no parameter texts: they live only in the panel.
    void copyParamUnit(std::int32_t index, char* text) override;
    void copyParamValueText(std::int32_t index, char* text) override;
    void copyParamTitle(std::int32_t index, char* text) override;
    float meterLevel() override;
    void onSuspend() override;

    // Only the panel's MUTE button calls this; it is not a parameter.
    virtual void setMuted(std::int32_t on);

    const ReverbProgram& program(std::int32_t number) const { return programs[number]; }

    ReverbEngine engine;
    // The values as last set; the panel draws from them.
    ReverbValues currentValues{};
    std::int16_t meterDisplayLeft = 248;
    std::int16_t meterDisplayRight = 248;
    // The engine's peaks after each block, read and zeroed by the panel's timer.
    RelaxedValue<float> meterLeft{0.0f};
    RelaxedValue<float> meterRight{0.0f};
    // The open panel's widgets and its window (a native window handle);
    // null while no panel is open.
    ReverbPanel* editorWidgets = nullptr;
    void* editorWindow = nullptr;

private:
    void applyToEngine(std::int32_t index, std::uint32_t value);
    void copyPeaks();
    void runPendingClears();

    // Clears asked for by the host's thread, done by the audio thread at the
    // start of its next block: the lines are the audio thread's alone.
    std::atomic<bool> tankClearPending{false};
    std::atomic<bool> preDelayClearPending{false};

    std::unique_ptr<ReverbProgram[]> programs;
};
