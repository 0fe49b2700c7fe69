#include "tests/gui_support/audio_thread.h"

#include "tests/gui_support/host_window.h"
#include "tests/gui_support/loaded_plugin.h"

#include <cmath>
#include <cstdint>

AudioThread::AudioThread(EffectRecord* record, int blockFrames) : effect(record), frames(blockFrames)
{
    for (int channel = 0; channel < 16; ++channel) {
        inputs[channel].resize(frames);
        outputs[channel].resize(frames);
        for (int i = 0; i < frames; ++i)
            inputs[channel][i] = 0.5f * std::sin(0.05f * static_cast<float>(i + 7 * channel));
    }
    thread = CreateThread(nullptr, 0, run, this, 0, nullptr);
}

AudioThread::~AudioThread()
{
    stop();
}

long AudioThread::stop()
{
    if (thread != nullptr) {
        InterlockedExchange(&stopping, 1);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        thread = nullptr;
    }
    return blocks;
}

DWORD WINAPI AudioThread::run(LPVOID self)
{
    auto* audio = static_cast<AudioThread*>(self);
    float* in[16];
    float* out[16];
    for (int channel = 0; channel < 16; ++channel) {
        in[channel] = audio->inputs[channel].data();
        out[channel] = audio->outputs[channel].data();
    }
    const int outputCount = audio->effect->outputCount < 16 ? audio->effect->outputCount : 16;
    while (InterlockedCompareExchange(&audio->stopping, 0, 0) == 0) {
        audio->effect->processOverwriting(audio->effect, in, out, audio->frames);
        for (int channel = 0; channel < outputCount; ++channel)
            for (int i = 0; i < audio->frames; ++i)
                if (!std::isfinite(out[channel][i]))
                    InterlockedExchange(&audio->finite, 0);
        InterlockedIncrement(&audio->blocks);
    }
    return 0;
}

void playOnWindowThread(EffectRecord* effect, int paramCount, int programCount, int milliseconds)
{
    const DWORD start = GetTickCount();
    unsigned step = 0;
    while (GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
        ++step;
        const auto index = static_cast<std::int32_t>(step % static_cast<unsigned>(paramCount));
        effect->setParam(effect, index, static_cast<float>((step * 37) % 1000) / 1000.0f);
        if (step % 40 == 0)
            dispatch(effect, OpSetProgram, 0, static_cast<PlugInt>(step / 40 % static_cast<unsigned>(programCount)));
        if (step % 5 == 0) {
            editorIdle(effect);
            pumpPending();
        }
    }
}
