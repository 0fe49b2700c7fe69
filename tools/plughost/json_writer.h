// A small JSON writer for plughost's --json output: objects and arrays
// nested by calls, two spaces of indent, strings escaped per RFC 8259.
// Texts given to it must be UTF-8.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The name of the next member of the current object.
    void key(std::string_view name);
    void string(std::string_view utf8);
    void number(long long value);
    void number(double value); // non-finite values are written as null
    void number(float value);  // the shortest text that reads back as it
    void boolean(bool value);
    void null();

private:
    void beforeValue();
    void newline();

    std::ostream& out;
    std::vector<bool> hasMembers; // per open container
    bool afterKey = false;
};

// The text in double quotes with JSON escapes.
std::string jsonString(std::string_view utf8);
