#include "tools/plughost/float_text.h"
#include "tools/plughost/text_table.h"

#include <doctest.h>

#include <sstream>

TEST_CASE("text_table: columns line up by characters, not bytes")
{
    TextTable table;
    table.addRow({"index", "name"});
    table.addRow({"0", "\"Tama\xC3\xB1o\"", "x"});
    table.addRow({"12", "\"ab\""});
    std::ostringstream out;
    table.print(out, "  ");
    CHECK(out.str() == "  index  name\n"
                       "  0      \"Tama\xC3\xB1o\"  x\n"
                       "  12     \"ab\"\n");
}

TEST_CASE("float_text: the shortest text that reads back the same")
{
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {1.0f, "1"},      {0.5f, "0.5"},           {0.3f, "0.3"},   {-0.25f, "-0.25"},
        {0.0f, "0"},      {-0.0f, "-0"},           {1000.0f, "1000"}, {0.1f + 0.2f, "0.3"},
        {1e-7f, "1e-07"}, {16777216.0f, "16777216"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.text);
        CHECK(floatText(c.value) == c.text);
    }
}
