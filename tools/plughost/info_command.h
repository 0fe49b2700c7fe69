// plughost info: everything an effect tells a host about itself.
#pragma once

#include "tools/plughost/command_line.h"

#include <ostream>

// Throws HostError when the plug-in cannot be loaded.
void runInfo(const InfoOptions& options, std::ostream& out);
