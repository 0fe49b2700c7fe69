// plughost process: a WAV file through an effect into a 32-bit float WAV
// file, with the effect's tail after it.
#pragma once

#include "tools/plughost/command_line.h"

#include <ostream>

// Throws HostError; the output file appears only when all went well. The
// summary line and any automation go to out, the progress bar to progress.
void runProcess(const ProcessOptions& options, std::ostream& out, std::ostream& progress, bool progressIsTerminal);
