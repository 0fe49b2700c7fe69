#include "tools/plughost/effect_render.h"

#include "tools/plughost/block_renderer.h"
#include "tools/plughost/host_error.h"
#include "tools/plughost/hosted_effect.h"
#include "tools/plughost/param_lookup.h"

#include <chrono>
#include <cstdio>

namespace {

std::string countText(std::int32_t count, const char* noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

void checkProgram(const RenderRequest& request, const EffectRecord& record)
{
    const std::string plugin = "'" + request.plugin + "'";
    if (record.outputCount == 0)
        throw HostError(plugin + " has no outputs to write");
    if (request.program && *request.program >= record.programCount)
        throw HostError("no program " + std::to_string(*request.program) + ": " + plugin + " has " +
                        countText(record.programCount, "program"));
}

// Every setting's index, names looked up; all checked before any is set.
std::vector<std::int32_t> paramIndexes(const RenderRequest& request, HostedEffect& effect)
{
    const std::string plugin = "'" + request.plugin + "'";
    std::vector<std::int32_t> indexes;
    for (const ParamSetting& setting : request.params) {
        const std::int32_t index =
            setting.name.empty() ? setting.index : findParamByTitle(effect, setting.name, plugin);
        if (index >= effect.record().paramCount)
            throw HostError("no parameter " + std::to_string(index) + ": " + plugin + " has " +
                            countText(effect.record().paramCount, "parameter"));
        indexes.push_back(index);
    }
    return indexes;
}

std::string secondsText(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

} // namespace

RenderResult renderWithEffect(const RenderRequest& request, const WavAudio& input, ProgressBar* bar)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };

    RenderResult result;
    HostedEffect effect(request.plugin);
    checkProgram(request, effect.record());
    const std::vector<std::int32_t> indexes = paramIndexes(request, effect);
    effect.open(static_cast<float>(input.sampleRate), request.blockSize);
    if (request.program)
        effect.dispatch(OpSetProgram, 0, *request.program);
    for (std::size_t i = 0; i < indexes.size(); ++i)
        effect.setParam(indexes[i], request.params[i].value);
    effect.setPower(true);

    RenderPlan plan;
    plan.blockSize = request.blockSize;
    plan.choice = request.adding ? ProcessEntryChoice::Adding : ProcessEntryChoice::Overwriting;
    plan.tail = request.tailSeconds ? TailRule::fixed(*request.tailSeconds, input.sampleRate)
                                    : TailRule::untilQuiet(input.sampleRate);
    const std::size_t inputFrames = input.frames();
    const double rate = input.sampleRate > 0 ? input.sampleRate : 1.0;
    if (bar != nullptr) {
        plan.progress = [&](std::size_t inputDone, std::size_t tailDone) {
            if (!bar->wouldDraw(elapsed()))
                return;
            // A fixed tail has a known end; a tail until quiet does not.
            const double tailFrames = request.tailSeconds ? *request.tailSeconds * rate : 0.0;
            const double total = static_cast<double>(inputFrames) + tailFrames;
            const double done = static_cast<double>(inputDone + tailDone);
            const bool known = tailDone == 0 || request.tailSeconds.has_value();
            bar->update(known && total > 0.0 ? done / total : -1.0,
                        tailDone > 0 ? "tail " + secondsText(tailDone / rate) : secondsText(inputDone / rate),
                        elapsed());
        };
    }
    result.output = renderThroughEffect(effect, input, plan);
    result.tailFrames = result.output.frames() - inputFrames;
    effect.setPower(false);
    result.automation = effect.context().automation;
    result.secondsTaken = elapsed();
    if (bar != nullptr)
        bar->finish();
    return result;
}

std::vector<std::string> programNames(const std::string& plugin)
{
    HostedEffect effect(plugin);
    effect.open(44100.0f, 512);
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < effect.record().programCount; ++i) {
        effect.dispatch(OpSetProgram, 0, i);
        names.push_back(effect.text(OpGetProgramName).text);
    }
    return names;
}
