// How long a render goes on after its input ends, feeding the effect
// silence so that a reverb rings out. Either a fixed length, or until the
// output has stayed below -90 dBFS for 100 ms (capped at 30 s); then the
// quiet end is dropped, so an effect that falls silent at once adds nothing.
#pragma once

#include <cstddef>
#include <cstdint>

class TailRule {
public:
    static constexpr double QuietDecibels = -90.0;
    static constexpr double QuietSeconds = 0.1;
    static constexpr double CapSeconds = 30.0;

    static TailRule fixed(double seconds, std::uint32_t sampleRate);
    static TailRule untilQuiet(std::uint32_t sampleRate);

    // How many frames to render next, at most blockSize; 0 once done.
    std::size_t nextBlock(std::size_t blockSize) const;
    // The tail frames just rendered, interleaved.
    void observe(const float* samples, std::size_t frames, int channels);
    // How many of the rendered tail frames belong in the output.
    std::size_t keptFrames() const;

private:
    TailRule(bool untilQuiet, std::size_t limit, std::size_t quietFrames);

    bool stopsWhenQuiet;
    std::size_t limit;       // frames at most
    std::size_t quietFrames; // frames of quiet that end the tail
    std::size_t rendered = 0;
    std::size_t loudEnd = 0; // one past the last loud frame
};

// The -90 dBFS threshold as a linear amplitude.
float quietThreshold();
