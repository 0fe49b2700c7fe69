#include "tools/plughost/json_writer.h"

#include <doctest.h>

#include <cmath>
#include <sstream>

TEST_CASE("json_writer: string escapes")
{
    const struct {
        const char* text;
        const char* json;
    } cases[] = {
        {"", "\"\""},
        {"plain", "\"plain\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"C:\\VST", "\"C:\\\\VST\""},
        {"a\nb\tc\rd\be\ff", "\"a\\nb\\tc\\rd\\be\\ff\""},
        {"\x01\x1F\x7F", "\"\\u0001\\u001f\x7F\""},
        {"Peque\xC3\xB1" "a \xE2\x82\xAC", "\"Peque\xC3\xB1" "a \xE2\x82\xAC\""},
        {"/", "\"/\""},
    };
    for (const auto& c : cases) {
        CAPTURE(c.text);
        CHECK(jsonString(c.text) == c.json);
    }
}

TEST_CASE("json_writer: nested objects and arrays, indented")
{
    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject();
    json.key("name");
    json.string("x");
    json.key("empty");
    json.beginArray();
    json.endArray();
    json.key("list");
    json.beginArray();
    json.number(1LL);
    json.number(0.5f);
    json.number(std::nanf(""));
    json.boolean(true);
    json.null();
    json.beginObject();
    json.endObject();
    json.endArray();
    json.key("value");
    json.number(0.3f);
    json.endObject();
    CHECK(out.str() == "{\n"
                       "  \"name\": \"x\",\n"
                       "  \"empty\": [],\n"
                       "  \"list\": [\n"
                       "    1,\n"
                       "    0.5,\n"
                       "    null,\n"
                       "    true,\n"
                       "    null,\n"
                       "    {}\n"
                       "  ],\n"
                       "  \"value\": 0.3\n"
                       "}\n");
}
