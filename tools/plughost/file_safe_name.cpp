#include "tools/plughost/file_safe_name.h"

#include <algorithm>

namespace {

constexpr std::size_t MaxLength = 60;

// ASCII for Windows-1252 0xC0 to 0xFF, two characters per byte: a space
// pads single letters, "__" marks a separator (the signs for times and
// divide).
const char LatinLetters[] =
    "A A A A A A AEC E E E E I I I I "
    "D N O O O O O __O U U U U Y THss"
    "a a a a a a aec e e e e i i i i "
    "d n o o o o o __o u u u u y thy ";

// The ASCII letters for one byte; empty when the byte is a separator.
std::string asciiFor(unsigned char byte)
{
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || byte == '-')
        return std::string(1, static_cast<char>(byte));
    switch (byte) {
    case 0x8A: return "S";
    case 0x8C: return "OE";
    case 0x8E: return "Z";
    case 0x9A: return "s";
    case 0x9C: return "oe";
    case 0x9E: return "z";
    case 0x9F: return "Y";
    default: break;
    }
    if (byte < 0xC0)
        return "";
    const char* pair = LatinLetters + (byte - 0xC0) * 2;
    if (pair[0] == '_')
        return "";
    return pair[1] == ' ' ? std::string(1, pair[0]) : std::string(pair, 2);
}

} // namespace

std::string fileSafeName(std::string_view windows1252Name)
{
    std::string out;
    bool pendingSeparator = false;
    for (const char c : windows1252Name) {
        const std::string letters = asciiFor(static_cast<unsigned char>(c));
        if (letters.empty()) {
            pendingSeparator = true;
            continue;
        }
        if (pendingSeparator && !out.empty())
            out += '_';
        pendingSeparator = false;
        out += letters;
    }
    if (out.size() > MaxLength)
        out.resize(MaxLength);
    const std::size_t first = out.find_first_not_of("_-");
    if (first == std::string::npos)
        return "program";
    return out.substr(first, out.find_last_not_of("_-") - first + 1);
}

std::string programFileName(std::int32_t program, std::int32_t programCount, std::string_view windows1252Name)
{
    const std::size_t width = std::max<std::size_t>(2, std::to_string(programCount > 0 ? programCount - 1 : 0).size());
    std::string number = std::to_string(program);
    if (number.size() < width)
        number.insert(0, width - number.size(), '0');
    return number + "-" + fileSafeName(windows1252Name) + ".wav";
}
