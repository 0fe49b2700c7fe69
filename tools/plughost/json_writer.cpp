#include "tools/plughost/json_writer.h"

#include <charconv>
#include <cmath>

std::string jsonString(std::string_view utf8)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += hex[byte >> 4];
                out += hex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::newline()
{
    out << '\n' << std::string(hasMembers.size() * 2, ' ');
}

void JsonWriter::beforeValue()
{
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (!hasMembers.empty()) {
        if (hasMembers.back())
            out << ',';
        hasMembers.back() = true;
        newline();
    }
}

void JsonWriter::beginObject()
{
    beforeValue();
    out << '{';
    hasMembers.push_back(false);
}

void JsonWriter::endObject()
{
    const bool any = hasMembers.back();
    hasMembers.pop_back();
    if (any)
        newline();
    out << '}';
    if (hasMembers.empty())
        out << '\n';
}

void JsonWriter::beginArray()
{
    beforeValue();
    out << '[';
    hasMembers.push_back(false);
}

void JsonWriter::endArray()
{
    const bool any = hasMembers.back();
    hasMembers.pop_back();
    if (any)
        newline();
    out << ']';
    if (hasMembers.empty())
        out << '\n';
}

void JsonWriter::key(std::string_view name)
{
    beforeValue();
    out << jsonString(name) << ": ";
    afterKey = true;
}

void JsonWriter::string(std::string_view utf8)
{
    beforeValue();
    out << jsonString(utf8);
}

void JsonWriter::number(long long value)
{
    beforeValue();
    out << value;
}

void JsonWriter::number(double value)
{
    beforeValue();
    if (!std::isfinite(value)) {
        out << "null";
        return;
    }
    // The shortest text that reads back as the same double.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out << std::string(buffer, result.ptr);
}

void JsonWriter::number(float value)
{
    beforeValue();
    if (!std::isfinite(value)) {
        out << "null";
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out << std::string(buffer, result.ptr);
}

void JsonWriter::boolean(bool value)
{
    beforeValue();
    out << (value ? "true" : "false");
}

void JsonWriter::null()
{
    beforeValue();
    out << "null";
}
