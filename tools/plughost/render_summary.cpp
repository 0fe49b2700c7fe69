#include "tools/plughost/render_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::string peakText(float peak)
{
    if (!(peak > 0.0f))
        return "-inf dBFS";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f dBFS", 20.0 * std::log10(static_cast<double>(peak)));
    return text;
}

std::string summaryText(const RenderFacts& facts)
{
    const double rate = facts.sampleRate > 0 ? facts.sampleRate : 1.0;
    const double seconds = static_cast<double>(facts.frames) / rate;
    // A run too quick for the clock still gets a finite factor.
    const double taken = std::max(facts.secondsTaken, 1e-6);
    char text[256];
    std::snprintf(text, sizeof text,
                  "%llu frames, %.3f s (tail %.3f s), %d channel%s at %u Hz, peak %s, took %.3f s, %.1fx realtime",
                  static_cast<unsigned long long>(facts.frames), seconds, static_cast<double>(facts.tailFrames) / rate,
                  facts.channels, facts.channels == 1 ? "" : "s", static_cast<unsigned>(facts.sampleRate),
                  peakText(facts.peak).c_str(), facts.secondsTaken, seconds / taken);
    return text;
}
