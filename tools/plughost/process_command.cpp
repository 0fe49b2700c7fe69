#include "tools/plughost/process_command.h"

#include "tools/plughost/block_renderer.h"
#include "tools/plughost/float_text.h"
#include "tools/plughost/host_error.h"
#include "tools/plughost/hosted_effect.h"
#include "tools/plughost/output_file.h"
#include "tools/plughost/wav_file.h"

namespace {

std::string countText(std::int32_t count, const char* noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

void checkSettings(const ProcessOptions& options, const EffectRecord& record)
{
    const std::string plugin = "'" + options.plugin + "'";
    if (record.outputCount == 0)
        throw HostError(plugin + " has no outputs to write");
    if (options.program && *options.program >= record.programCount)
        throw HostError("no program " + std::to_string(*options.program) + ": " + plugin + " has " +
                        countText(record.programCount, "program"));
    for (const ParamSetting& setting : options.params) {
        if (setting.index >= record.paramCount)
            throw HostError("no parameter " + std::to_string(setting.index) + ": " + plugin + " has " +
                            countText(record.paramCount, "parameter"));
    }
}

} // namespace

void runProcess(const ProcessOptions& options, std::ostream& out)
{
    // The input is read whole first: a bad file costs no plug-in load.
    const WavAudio input = readWavFile(options.input);

    WavAudio output;
    std::vector<AutomationEvent> automation;
    {
        HostedEffect effect(options.plugin);
        checkSettings(options, effect.record());
        effect.open(static_cast<float>(input.sampleRate), options.blockSize);
        if (options.program)
            effect.dispatch(OpSetProgram, 0, *options.program);
        for (const ParamSetting& setting : options.params)
            effect.setParam(setting.index, setting.value);
        effect.setPower(true);
        output = renderThroughEffect(effect, input, options.blockSize,
                                     options.adding ? ProcessEntryChoice::Adding : ProcessEntryChoice::Overwriting);
        effect.setPower(false);
        automation = effect.context().automation;
    }
    writeOutputFile(options.output, encodeWav(output, SampleFormat::Float32));

    for (const AutomationEvent& event : automation)
        out << "automation: parameter " << event.index << " = " << floatText(event.value) << '\n';
}
