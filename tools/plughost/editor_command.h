// plughost editor: opens a plug-in's editor in a window of its own, lets it
// run for a while, saves what it shows as a PNG and closes it. Windows
// builds only; elsewhere it says so and fails.
#pragma once

#include "tools/plughost/command_line.h"

#include <ostream>

// Throws HostError.
void runEditor(const EditorOptions& options, std::ostream& out);
