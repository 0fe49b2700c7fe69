#include "tools/plughost/progress_bar.h"

#include <doctest.h>

#include <sstream>

TEST_CASE("progress_bar: the line")
{
    const struct {
        double fraction;
        const char* detail;
        const char* line;
    } cases[] = {
        {0.0, "", "[------------------------------]   0%"},
        {0.5, "1.5 s", "[###############---------------]  50%  1.5 s"},
        {0.999, "", "[#############################-]  99%"},
        {1.0, "x", "[##############################] 100%  x"},
        {1.7, "", "[##############################] 100%"},
        {-1.0, "tail 2.0 s", "tail 2.0 s"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.fraction);
        CHECK(progressLine(c.fraction, c.detail) == c.line);
    }
}

TEST_CASE("progress_bar: quiet for short runs and when disabled, cleared at the end")
{
    std::ostringstream out;
    ProgressBar bar(out, true);
    CHECK_FALSE(bar.wouldDraw(0.0));
    CHECK_FALSE(bar.wouldDraw(1.99));
    bar.update(0.1, "a", 1.0);
    CHECK(out.str().empty());
    bar.update(0.5, "half", 2.0);
    CHECK(out.str() == "\r[###############---------------]  50%  half");
    CHECK_FALSE(bar.wouldDraw(2.05)); // not more than ten times a second
    CHECK(bar.wouldDraw(2.1));
    bar.update(-1.0, "tail", 2.2); // padded over the 43 characters before
    CHECK(out.str() == "\r[###############---------------]  50%  half\rtail" + std::string(39, ' '));
    bar.finish();
    CHECK(out.str() == "\r[###############---------------]  50%  half\rtail" + std::string(39, ' ') + "\r" +
                           std::string(4, ' ') + "\r");

    std::ostringstream silent;
    ProgressBar off(silent, false);
    CHECK_FALSE(off.wouldDraw(100.0));
    off.update(0.5, "x", 100.0);
    off.finish();
    CHECK(silent.str().empty());
}
