// plughost info --json: the facts info shows, as one JSON object for
// scripts. Texts are UTF-8 (the effect's Windows-1252 converted), exactly as
// the effect wrote them, padding spaces included.
#pragma once

#include "tools/plughost/plugin_facts.h"

#include <ostream>

void printFactsJson(const PluginFacts& facts, std::ostream& out);
