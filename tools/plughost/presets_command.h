// plughost presets: the input through every program of the plug-in, each
// into OUTDIR/NN-name.wav (see file_safe_name.h), one line per program.
#pragma once

#include "tools/plughost/command_line.h"

#include <ostream>

// Throws HostError. Each file is written whole or not at all; a failure
// stops the run, leaving the files of the programs before it.
void runPresets(const PresetsOptions& options, std::ostream& out, std::ostream& progress, bool progressIsTerminal);
