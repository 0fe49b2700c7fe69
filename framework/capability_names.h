// The names of the capability exchange: what a host may ask an effect
// (opcode 51) and what an effect may ask its host (host opcode 37). They are
// the vocabulary supports and askHostSupports compare against; level 2
// carries shorter lists.
#pragma once

#include <cstddef>

struct NameList {
    const char* const* names;
    std::size_t count;
};

NameList effectCapabilityNames();
NameList hostCapabilityNames();
