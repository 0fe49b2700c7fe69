#include "tools/plughost/process_command.h"

#include "tools/plughost/effect_render.h"
#include "tools/plughost/float_text.h"
#include "tools/plughost/block_renderer.h"
#include "tools/plughost/output_file.h"
#include "tools/plughost/render_summary.h"

void runProcess(const ProcessOptions& options, std::ostream& out, std::ostream& progress, bool progressIsTerminal)
{
    // The input is read whole first: a bad file costs no plug-in load.
    const WavAudio input = readWavFile(options.input);

    RenderRequest request;
    request.plugin = options.plugin;
    request.program = options.program;
    request.params = options.params;
    request.blockSize = options.blockSize;
    request.adding = options.adding;
    request.tailSeconds = options.tailSeconds;
    ProgressBar bar(progress, progressIsTerminal && !options.quiet);
    const RenderResult result = renderWithEffect(request, input, &bar);
    writeOutputFile(options.output, encodeWav(result.output, SampleFormat::Float32));

    for (const AutomationEvent& event : result.automation)
        out << "automation: parameter " << event.index << " = " << floatText(event.value) << '\n';
    if (!options.quiet) {
        out << "wrote " << options.output << ": "
            << summaryText({result.output.frames(), result.tailFrames, result.output.channels, result.output.sampleRate,
                            peakOf(result.output), result.secondsTaken})
            << '\n';
    }
}
