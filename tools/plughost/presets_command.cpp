#include "tools/plughost/presets_command.h"

#include "tools/plughost/block_renderer.h"
#include "tools/plughost/effect_render.h"
#include "tools/plughost/file_safe_name.h"
#include "tools/plughost/host_error.h"
#include "tools/plughost/output_file.h"
#include "tools/plughost/render_summary.h"
#include "tools/plughost/windows_1252.h"

#include <cstdio>
#include <filesystem>

namespace {

void makeFolder(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::is_directory(folder, error))
        return;
    if (fs::exists(folder, error))
        throw HostError("cannot write into '" + folder + "': not a folder");
    fs::create_directories(folder, error);
    if (error)
        throw HostError("cannot make the folder '" + folder + "': " + error.message());
}

std::string counter(std::size_t index, std::size_t count)
{
    const std::string total = std::to_string(count);
    std::string number = std::to_string(index + 1);
    number.insert(0, total.size() - number.size(), ' ');
    return "[" + number + "/" + total + "]";
}

} // namespace

void runPresets(const PresetsOptions& options, std::ostream& out, std::ostream& progress, bool progressIsTerminal)
{
    const WavAudio input = readWavFile(options.input);
    const std::vector<std::string> names = programNames(options.plugin);
    if (names.empty())
        throw HostError("'" + options.plugin + "' has no programs");
    makeFolder(options.outputFolder);

    const auto count = static_cast<std::int32_t>(names.size());
    for (std::int32_t program = 0; program < count; ++program) {
        RenderRequest request;
        request.plugin = options.plugin;
        request.program = program;
        request.blockSize = options.blockSize;
        request.tailSeconds = options.tailSeconds;
        ProgressBar bar(progress, progressIsTerminal && !options.quiet);
        const RenderResult result = renderWithEffect(request, input, &bar);
        const std::string file = programFileName(program, count, names[program]);
        const std::filesystem::path path = std::filesystem::path(options.outputFolder) / file;
        writeOutputFile(path.string(), encodeWav(result.output, SampleFormat::Float32));
        if (!options.quiet) {
            out << counter(program, names.size()) << ' ' << file << "  " << quotedText(names[program]) << ": "
                << summaryText({result.output.frames(), result.tailFrames, result.output.channels,
                                result.output.sampleRate, peakOf(result.output), result.secondsTaken})
                << std::endl;
        }
    }
}
