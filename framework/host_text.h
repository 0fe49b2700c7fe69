// Texts handed to the host are zero-terminated 8-bit strings written into
// buffers the host owns. We never know their size, so every copy is bounded
// by the longest text of its kind that hosts are known to accept, and a null
// buffer is ignored rather than written through.
#pragma once

#include <cstddef>

// Longest texts (characters, without the terminator) we ever write.
constexpr std::size_t ParamTextMax = 23;   // titles, units, value texts
constexpr std::size_t ProgramNameMax = 24; // program names
constexpr std::size_t IdentityTextMax = 63; // effect name, vendor, product

// Copies at most maxChars characters of source into text and terminates it.
inline void copyHostText(char* text, const char* source, std::size_t maxChars)
{
    if (text == nullptr)
        return;
    std::size_t n = 0;
    if (source != nullptr)
        for (; n < maxChars && source[n] != '\0'; ++n)
            text[n] = source[n];
    text[n] = '\0';
}
