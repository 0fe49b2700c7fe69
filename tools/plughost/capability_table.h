// The names of the capability exchange, as plug-ins of this interface know
// them (the framework's full lists): what a host may ask an effect (opcode
// 51) and what an effect may ask its host (host opcode 37). plughost asks an
// effect about both lists.
#pragma once

#include "framework/capability_names.h"

#include <string_view>

// The host-side names plughost answers yes to: only what it really does.
bool hostSupports(std::string_view name);
