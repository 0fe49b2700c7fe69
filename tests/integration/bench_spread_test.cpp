#include "tools/plughost/bench_command.h"

#include <doctest.h>

TEST_CASE("bench: min, median and max over runs")
{
    const struct {
        std::vector<double> values;
        Spread spread;
    } cases[] = {
        {{5.0}, {5.0, 5.0, 5.0}},
        {{3.0, 1.0, 2.0}, {1.0, 2.0, 3.0}},
        {{4.0, 1.0, 3.0, 2.0}, {1.0, 2.5, 4.0}},
        {{9.0, 1.0, 1.0, 7.0, 1.0}, {1.0, 1.0, 9.0}},
    };
    for (const auto& c : cases) {
        const Spread spread = spreadOf(c.values);
        CHECK(spread.min == c.spread.min);
        CHECK(spread.median == c.spread.median);
        CHECK(spread.max == c.spread.max);
    }
}
