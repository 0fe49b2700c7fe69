#include "tools/plughost/windows_1252.h"

#include <cstdint>

namespace {

// 0x80 to 0x9F, the only range where Windows-1252 differs from Latin-1.
// The five unassigned bytes become U+FFFD.
const std::uint16_t HighControlRange[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string utf8FromWindows1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            appendUtf8(out, HighControlRange[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

std::string quotedText(std::string_view windows1252Text)
{
    std::string out = "\"";
    for (char c : windows1252Text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            static const char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += utf8FromWindows1252(std::string_view(&c, 1));
        }
    }
    out += '"';
    return out;
}
