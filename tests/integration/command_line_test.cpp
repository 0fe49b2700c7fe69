#include "tools/plughost/command_line.h"

#include <doctest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

const char* const ProcessUsage = "usage: plughost process PLUGIN IN.wav OUT.wav [--program N] "
                                  "[--param INDEX=VALUE]... [--block FRAMES] [--adding]\n";
const char* const InfoUsage = "usage: plughost info PLUGIN\n";

ProcessOptions process(const Words& words)
{
    return std::get<ProcessOptions>(parseCommandLine(words));
}

} // namespace

TEST_CASE("command_line: info and help")
{
    CHECK(std::get<InfoOptions>(parseCommandLine({"info", "x.so"})).plugin == "x.so");
    for (const char* word : {"help", "--help", "-h"})
        CHECK(std::holds_alternative<HelpRequest>(parseCommandLine({word})));
    CHECK(usageText() == std::string(InfoUsage) + "       " + (ProcessUsage + 7));
}

TEST_CASE("command_line: process with defaults")
{
    const ProcessOptions options = process({"process", "p.so", "in.wav", "out.wav"});
    CHECK(options.plugin == "p.so");
    CHECK(options.input == "in.wav");
    CHECK(options.output == "out.wav");
    CHECK_FALSE(options.program.has_value());
    CHECK(options.params.empty());
    CHECK(options.blockSize == 512);
    CHECK_FALSE(options.adding);
}

TEST_CASE("command_line: process options in either form and anywhere")
{
    const ProcessOptions options = process({"process", "--block", "64", "p.so", "--param", "3=-0.25", "in.wav",
                                            "--param=0=2", "--program=5", "out.wav", "--adding"});
    CHECK(options.plugin == "p.so");
    CHECK(options.input == "in.wav");
    CHECK(options.output == "out.wav");
    CHECK(options.blockSize == 64);
    CHECK(options.program == 5);
    CHECK(options.adding);
    REQUIRE(options.params.size() == 2);
    CHECK(options.params[0].index == 3);
    CHECK(options.params[0].value == -0.25f);
    CHECK(options.params[1].index == 0);
    CHECK(options.params[1].value == 2.0f);
}

TEST_CASE("command_line: what it refuses, with the problem and the usage")
{
    const struct {
        Words words;
        const char* problem;
        std::string usage;
    } cases[] = {
        {{}, "no command given", usageText()},
        {{"render"}, "unknown command 'render'", usageText()},
        {{"info"}, "info needs PLUGIN", InfoUsage},
        {{"info", "a.so", "b.so"}, "unexpected argument 'b.so'", InfoUsage},
        {{"info", "--json"}, "unknown option '--json'", InfoUsage},
        {{"process", "p.so", "in.wav"}, "process needs PLUGIN, IN.wav and OUT.wav", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "more.wav"}, "unexpected argument 'more.wav'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--tail"}, "unknown option '--tail'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--adding=yes"}, "unknown option '--adding=yes'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--block"}, "--block needs a value", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--block", "0"},
         "--block needs a whole number from 1 to 1048576, not '0'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--block", "12x"},
         "--block needs a whole number from 1 to 1048576, not '12x'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--program", "-1"},
         "--program needs a whole number from 0 to 2147483647, not '-1'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "0"},
         "--param needs INDEX=VALUE (e.g. 0=0.5), not '0'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "a=1"},
         "--param needs INDEX=VALUE (e.g. 0=0.5), not 'a=1'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "-1=1"},
         "--param needs INDEX=VALUE (e.g. 0=0.5), not '-1=1'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "0=half"},
         "--param needs INDEX=VALUE (e.g. 0=0.5), not '0=half'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "0="},
         "--param needs INDEX=VALUE (e.g. 0=0.5), not '0='", ProcessUsage},
    };
    for (const auto& c : cases) {
        CAPTURE(c.problem);
        std::string problem;
        std::string usage;
        try {
            parseCommandLine(c.words);
        } catch (const UsageError& error) {
            problem = error.what();
            usage = error.usage();
        }
        CHECK(problem == c.problem);
        CHECK(usage == c.usage);
    }
}
