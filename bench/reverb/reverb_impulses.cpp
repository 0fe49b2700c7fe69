// Renders the reverb's answer to a unit impulse for a few settings into
// 32-bit float WAV files, to listen to or to inspect.
// Usage: reverb_impulses [directory]   (default: the current directory)
#include "effects/reverb/engine/reverb_engine.h"
#include "wav_writer.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Setting {
    const char* name;
    int roomSize;   // 3..200
    int damping;    // percent
    int preDelay;   // ms
    int highPass;   // percent
    int lowPass;    // percent
    int wetLevel;   // fader steps, 120 = 0 dB
    int quality;    // comb pairs
    int panorama;   // 0..40
    float seconds;
};

// Several of the bank's programs, wet only.
const Setting settings[] = {
    {"inicial", 110, 23, 18, 25, 0, 120, 10, 20, 4.0f},
    {"sala_pequena", 3, 0, 4, 20, 0, 125, 10, 20, 2.0f},
    {"catedral", 178, 0, 100, 0, 0, 110, 10, 20, 10.0f},
    {"club_2", 30, 75, 6, 0, 35, 120, 10, 20, 2.0f},
    {"bajo_consumo_1", 36, 0, 26, 10, 0, 125, 4, 20, 3.0f},
    {"exterior", 43, 100, 0, 0, 99, 140, 10, 12, 2.0f},
};

float faderGain(int steps) { return steps == 0 ? 0.0f : static_cast<float>(std::pow(10.0, (steps / 5.0 - 24.0) / 20.0)); }

}  // namespace

int main(int argc, char** argv)
{
    std::string directory = argc > 1 ? argv[1] : ".";
    if (!directory.empty() && directory.back() != '/' && directory.back() != '\\')
        directory += '/';
    int failures = 0;
    for (const Setting& s : settings) {
        auto engine = std::make_unique<ReverbEngine>();
        engine->setRoomSize(static_cast<float>(s.roomSize) / 203.0f);
        engine->setDamping(static_cast<float>(s.damping) / 100.0f);
        engine->preDelayLength = static_cast<std::uint16_t>(static_cast<double>(44.1f) * s.preDelay);
        engine->highPassAmount = static_cast<float>(s.highPass) / 600.0f;
        engine->lowPassAmount = static_cast<float>(s.lowPass) / 600.0f;
        engine->setWet(faderGain(s.wetLevel));
        engine->setDry(0.0f);
        engine->combCount = static_cast<std::uint8_t>(s.quality);
        engine->panorama = static_cast<std::uint8_t>(s.panorama);
        engine->clearTank();

        const std::size_t frames = static_cast<std::size_t>(s.seconds * 44100.0f);
        std::vector<float> left(frames, 0.0f);
        std::vector<float> right(frames, 0.0f);
        left[0] = right[0] = 1.0f;
        for (std::size_t at = 0; at < frames; at += 512) {
            const int n = static_cast<int>(frames - at < 512 ? frames - at : 512);
            float* io[2] = {&left[at], &right[at]};
            engine->processOverwriting(io, io, n);
        }
        const std::string path = directory + "impulse_" + s.name + ".wav";
        if (writeFloatWav(path, left.data(), right.data(), frames, 44100)) {
            std::printf("wrote %s (%.1f s)\n", path.c_str(), s.seconds);
        } else {
            std::printf("could not write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
