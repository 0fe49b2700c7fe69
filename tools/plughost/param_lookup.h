// --param NAME=VALUE: the parameter whose title is NAME. Titles are matched
// without the spaces plug-ins pad them with (" pan1 " is pan1), first
// exactly, then ignoring ASCII case; the name may be given in UTF-8 or in
// the plug-in's Windows-1252.
#pragma once

#include "tools/plughost/hosted_effect.h"

#include <string>

// The parameter's index; throws HostError when no title or more than one
// title matches.
std::int32_t findParamByTitle(HostedEffect& effect, const std::string& name, const std::string& pluginText);

std::string trimmedTitle(const std::string& title);
