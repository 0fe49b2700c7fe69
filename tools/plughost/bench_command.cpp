#include "tools/plughost/bench_command.h"

#include "tools/plughost/host_error.h"
#include "tools/plughost/hosted_effect.h"
#include "tools/plughost/text_table.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr float BenchSampleRate = 44100.0f;

// Noise at -6 dBFS from an integer generator: every run hears the same.
void fillNoise(std::vector<std::vector<float>>& channels, std::uint32_t& state)
{
    for (auto& channel : channels) {
        for (float& sample : channel) {
            state = state * 1664525u + 1013904223u;
            sample = static_cast<float>(static_cast<std::int32_t>(state)) / 4294967296.0f;
        }
    }
}

struct Entry {
    const char* name;
    bool adding;
};

// Seconds one run of the given frames takes, in blocks, fresh noise each block.
double timedRun(HostedEffect& effect, bool adding, std::int32_t blockSize, std::size_t frames)
{
    const EffectRecord& record = effect.record();
    const std::vector<float> block(static_cast<std::size_t>(blockSize));
    std::vector<std::vector<float>> inputs(static_cast<std::size_t>(record.inputCount), block);
    std::vector<std::vector<float>> outputs(static_cast<std::size_t>(record.outputCount), block);
    std::vector<float*> in, out;
    for (auto& channel : inputs)
        in.push_back(channel.data());
    for (auto& channel : outputs)
        out.push_back(channel.data());
    in.push_back(nullptr);
    out.push_back(nullptr);
    std::uint32_t state = 1;
    fillNoise(inputs, state);

    using Clock = std::chrono::steady_clock;
    double seconds = 0.0;
    for (std::size_t done = 0; done < frames; done += static_cast<std::size_t>(blockSize)) {
        const auto length = static_cast<std::int32_t>(std::min<std::size_t>(blockSize, frames - done));
        // New noise outside the timed part: the effect's cost alone counts.
        fillNoise(inputs, state);
        const Clock::time_point start = Clock::now();
        effect.process(in.data(), out.data(), length, adding);
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    return seconds;
}

std::string fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

Spread spreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    if (n == 0)
        return {0.0, 0.0, 0.0};
    const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    return {values.front(), median, values.back()};
}

void runBench(const BenchOptions& options, std::ostream& out)
{
    HostedEffect effect(options.plugin);
    const EffectRecord& record = effect.record();
    std::vector<Entry> entries;
    if (record.processOverwriting != nullptr && (record.flags & OverwriteFlag) != 0)
        entries.push_back({"overwriting", false});
    if (record.processAdding != nullptr)
        entries.push_back({"adding", true});
    if (entries.empty())
        throw HostError("'" + options.plugin + "' offers no process entry to call");

    const auto frames = static_cast<std::size_t>(std::llround(options.seconds * BenchSampleRate));
    effect.open(BenchSampleRate, options.blockSize);
    effect.setPower(true);

    out << "bench " << options.plugin << ": " << record.inputCount << " in, " << record.outputCount
        << " out, 44100 Hz, blocks of " << options.blockSize << ", " << fixed(options.seconds, 3)
        << " s of noise per run, " << options.runs << " run" << (options.runs == 1 ? "" : "s") << " per entry\n";
    TextTable table;
    table.addRow({"entry", "ns per frame (min / median / max)", "realtime factor (best / median / worst)"});
    for (const Entry& entry : entries) {
        timedRun(effect, entry.adding, options.blockSize, frames); // warm-up
        std::vector<double> nanoseconds;
        for (std::int32_t run = 0; run < options.runs; ++run) {
            const double seconds = timedRun(effect, entry.adding, options.blockSize, frames);
            nanoseconds.push_back(std::max(seconds, 1e-9) * 1e9 / static_cast<double>(frames));
        }
        const Spread spread = spreadOf(nanoseconds);
        // Realtime factor: audio seconds per second taken (1e9 / rate ns per frame).
        const double framePeriod = 1e9 / BenchSampleRate;
        table.addRow({entry.name,
                      fixed(spread.min, 1) + " / " + fixed(spread.median, 1) + " / " + fixed(spread.max, 1),
                      fixed(framePeriod / spread.min, 1) + "x / " + fixed(framePeriod / spread.median, 1) + "x / " +
                          fixed(framePeriod / spread.max, 1) + "x"});
    }
    effect.setPower(false);
    table.print(out, "  ");
}
