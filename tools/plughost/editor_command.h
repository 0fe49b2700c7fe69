// plughost editor: opens a plug-in's editor in a window of its own. With a
// screenshot file it lets the editor run for a while (500 ms), saves what
// it shows as a PNG and closes it; without, the window stays until the user
// closes it (or for --after MS). Windows builds only; elsewhere it says so
// and fails.
#pragma once

#include "tools/plughost/command_line.h"

#include <ostream>

// Throws HostError.
void runEditor(const EditorOptions& options, std::ostream& out);
