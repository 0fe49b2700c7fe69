// make_test_signal OUT.wav [SECONDS]: writes the drum-like test signal as a
// 32-bit float stereo WAV at 44.1 kHz, for demos and listening tests.
#include "tools/plughost/host_error.h"
#include "tools/plughost/output_file.h"
#include "tools/plughost/wav_file.h"
#include "tools/test_signal/drum_pattern.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_test_signal OUT.wav [SECONDS]\n");
        return 2;
    }
    const double seconds = argc == 3 ? std::atof(argv[2]) : 2.0;
    if (!(seconds > 0.0 && seconds <= 600.0)) {
        std::fprintf(stderr, "make_test_signal: SECONDS must be between 0 and 600\n");
        return 2;
    }
    WavAudio audio;
    audio.channels = 2;
    audio.sampleRate = 44100;
    audio.samples = drumPattern(seconds, audio.sampleRate);
    try {
        writeOutputFile(argv[1], encodeWav(audio, SampleFormat::Float32));
    } catch (const HostError& error) {
        std::fprintf(stderr, "make_test_signal: %s\n", error.what());
        return 1;
    }
    return 0;
}
