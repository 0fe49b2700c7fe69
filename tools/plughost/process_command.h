// plughost process: a WAV file through an effect into a 32-bit float WAV file.
#pragma once

#include "tools/plughost/command_line.h"

#include <ostream>

// Throws HostError; the output file appears only when all went well.
void runProcess(const ProcessOptions& options, std::ostream& out);
