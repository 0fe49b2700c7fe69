#include "tools/plughost/windows_1252.h"

#include <doctest.h>

TEST_CASE("windows_1252: texts become UTF-8")
{
    const struct {
        const char* text;
        const char* utf8;
    } cases[] = {
        {"Gain ", "Gain "},
        {"Tama\xF1o", "Tama\xC3\xB1o"},
        {"\xC1rea", "\xC3\x81rea"},
        {"\x80", "\xE2\x82\xAC"},
        {"\x8A\x9A", "\xC5\xA0\xC5\xA1"},
        {"\x9F", "\xC5\xB8"},
        {"\xA0", "\xC2\xA0"},
        {"\xFF", "\xC3\xBF"},
        {"\x81\x8D\x8F\x90\x9D", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"", ""},
    };
    for (const auto& c : cases) {
        CAPTURE(c.text);
        CHECK(utf8FromWindows1252(c.text) == c.utf8);
    }
}

TEST_CASE("windows_1252: quoted texts show their edges and escape the rest")
{
    const struct {
        const char* text;
        const char* quoted;
    } cases[] = {
        {"Gain ", "\"Gain \""},
        {" dB", "\" dB\""},
        {"", "\"\""},
        {"Se\xF1" "al", "\"Se\xC3\xB1" "al\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"tab\there\x7F", "\"tab\\x09here\\x7F\""},
    };
    for (const auto& c : cases) {
        CAPTURE(c.text);
        CHECK(quotedText(c.text) == c.quoted);
    }
}
