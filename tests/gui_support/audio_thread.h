// An audio thread for window tests: it runs an effect's overwriting process
// entry on blocks of a steady signal, as a host's audio thread does, while
// the test drives the editor and parameters from the window thread.
#pragma once

#include "framework/plug_interface.h"

#include <windows.h>

#include <vector>

class AudioThread {
public:
    AudioThread(EffectRecord* effect, int blockFrames = 512);
    ~AudioThread();
    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    bool started() const { return thread != nullptr; }
    // Stops the thread and waits for it; answers the blocks it processed.
    long stop();
    // False once any output sample was not finite.
    bool outputFinite() const { return finite != 0; }

private:
    static DWORD WINAPI run(LPVOID self);

    EffectRecord* effect;
    int frames;
    std::vector<float> inputs[16];
    std::vector<float> outputs[16];
    volatile LONG stopping = 0;
    volatile LONG blocks = 0;
    volatile LONG finite = 1;
    HANDLE thread = nullptr;
};

// What a host's window thread does during playback, for `milliseconds`,
// while an AudioThread runs blocks: sets the first `paramCount` parameters
// in turn, moves to the next of `programCount` programs every 40 steps and
// idles the editor every 5.
void playOnWindowThread(EffectRecord* effect, int paramCount, int programCount, int milliseconds = 1500);
