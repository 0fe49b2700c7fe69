// Reads an effect the way a host does: through its record and dispatcher.
#pragma once

#include "framework/plug_interface.h"

#include <string>

inline PlugInt ask(EffectRecord* r, std::int32_t opcode, std::int32_t index = 0, PlugInt value = 0,
                   void* ptr = nullptr, float opt = 0.0f)
{
    return r->dispatch(r, opcode, index, value, ptr, opt);
}

// A text opcode's answer, read from a buffer that starts out marked.
inline std::string askText(EffectRecord* r, std::int32_t opcode, std::int32_t index = 0)
{
    char text[256];
    std::string("<untouched>").copy(text, 11);
    text[11] = '\0';
    ask(r, opcode, index, 0, text);
    return text;
}
