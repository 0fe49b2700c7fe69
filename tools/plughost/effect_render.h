// One whole render as process and presets do it: a fresh effect from the
// plug-in, opened at the input's sample rate, the program and parameters
// set, powered, the input and its tail rendered, closed again.
#pragma once

#include "tools/plughost/command_line.h"
#include "tools/plughost/host_callback.h"
#include "tools/plughost/progress_bar.h"
#include "tools/plughost/wav_file.h"

#include <optional>
#include <string>
#include <vector>

struct RenderRequest {
    std::string plugin;
    std::optional<std::int32_t> program;
    std::vector<ParamSetting> params; // by name or index, applied in order
    std::int32_t blockSize = 512;
    bool adding = false;
    std::optional<double> tailSeconds; // unset: until quiet
};

struct RenderResult {
    WavAudio output;
    std::size_t tailFrames = 0;
    double secondsTaken = 0.0;
    std::vector<AutomationEvent> automation;
};

// Throws HostError. The bar, when given, shows the progress.
RenderResult renderWithEffect(const RenderRequest& request, const WavAudio& input, ProgressBar* bar);

// The names of the effect's programs in order (Windows-1252), read by
// selecting each in turn on a fresh effect.
std::vector<std::string> programNames(const std::string& plugin);
