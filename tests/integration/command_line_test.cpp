#include "tools/plughost/command_line.h"

#include <doctest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

const char* const ProcessUsage = "usage: plughost process PLUGIN IN.wav OUT.wav [--program N] "
                                  "[--param NAME|INDEX=VALUE]... [--tail SECONDS] [--block FRAMES] [--adding] "
                                  "[--quiet]\n";
const char* const InfoUsage = "usage: plughost info PLUGIN [--json]\n";
const char* const PresetsUsage =
    "usage: plughost presets PLUGIN IN.wav OUTDIR [--tail SECONDS] [--block FRAMES] [--quiet]\n";
const char* const BenchUsage = "usage: plughost bench PLUGIN [--block FRAMES] [--seconds S] [--runs N]\n";
const char* const EditorUsage =
    "usage: plughost editor PLUGIN [--screenshot FILE.png] [--after MS] [--program N]\n";

ProcessOptions process(const Words& words)
{
    return std::get<ProcessOptions>(parseCommandLine(words));
}

} // namespace

TEST_CASE("command_line: info and help")
{
    CHECK(std::get<InfoOptions>(parseCommandLine({"info", "x.so"})).plugin == "x.so");
    CHECK_FALSE(std::get<InfoOptions>(parseCommandLine({"info", "x.so"})).json);
    CHECK(std::get<InfoOptions>(parseCommandLine({"info", "--json", "x.so"})).json);
    for (const char* word : {"help", "--help", "-h"})
        CHECK(std::holds_alternative<HelpRequest>(parseCommandLine({word})));
    CHECK(usageText() == std::string(InfoUsage) + "       " + (ProcessUsage + 7) + "       " + (PresetsUsage + 7) +
                             "       " + (BenchUsage + 7) + "       " + (EditorUsage + 7));
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
    CHECK_FALSE(options.tailSeconds.has_value());
    CHECK_FALSE(options.quiet);
}

TEST_CASE("command_line: process options in either form and anywhere")
{
    const ProcessOptions options = process({"process", "--block", "64", "p.so", "--param", "3=-0.25", "in.wav",
                                            "--param=0=2", "--program=5", "out.wav", "--adding", "--tail", "2.5",
                                            "--quiet", "--param", " pan1 =0.75"});
    CHECK(options.plugin == "p.so");
    CHECK(options.input == "in.wav");
    CHECK(options.output == "out.wav");
    CHECK(options.blockSize == 64);
    CHECK(options.program == 5);
    CHECK(options.adding);
    CHECK(options.tailSeconds == 2.5);
    CHECK(options.quiet);
    REQUIRE(options.params.size() == 3);
    CHECK(options.params[0].index == 3);
    CHECK(options.params[0].value == -0.25f);
    CHECK(options.params[0].name.empty());
    CHECK(options.params[1].index == 0);
    CHECK(options.params[1].value == 2.0f);
    // A name is kept as given; matching it to a title is the effect's part.
    CHECK(options.params[2].index == -1);
    CHECK(options.params[2].name == " pan1 ");
    CHECK(options.params[2].value == 0.75f);
}

TEST_CASE("command_line: presets, bench and editor")
{
    const auto presets = std::get<PresetsOptions>(parseCommandLine({"presets", "p.so", "in.wav", "out", "--tail=0"}));
    CHECK(presets.plugin == "p.so");
    CHECK(presets.input == "in.wav");
    CHECK(presets.outputFolder == "out");
    CHECK(presets.tailSeconds == 0.0);
    CHECK(presets.blockSize == 512);

    const auto bench = std::get<BenchOptions>(parseCommandLine({"bench", "p.so"}));
    CHECK(bench.plugin == "p.so");
    CHECK(bench.blockSize == 512);
    CHECK(bench.seconds == 2.0);
    CHECK(bench.runs == 5);
    const auto set =
        std::get<BenchOptions>(parseCommandLine({"bench", "--block", "64", "p.so", "--seconds=0.5", "--runs", "3"}));
    CHECK(set.blockSize == 64);
    CHECK(set.seconds == 0.5);
    CHECK(set.runs == 3);

    const auto editor = std::get<EditorOptions>(parseCommandLine({"editor", "p.dll", "--screenshot", "a.png"}));
    CHECK(editor.plugin == "p.dll");
    CHECK(editor.screenshot == "a.png");
    CHECK_FALSE(editor.afterMilliseconds.has_value());
    CHECK_FALSE(editor.program.has_value());
    const auto later = std::get<EditorOptions>(
        parseCommandLine({"editor", "p.dll", "--screenshot=b.png", "--after", "0", "--program", "14"}));
    CHECK(later.screenshot == "b.png");
    CHECK(later.afterMilliseconds == 0);
    CHECK(later.program == 14);
    const auto open = std::get<EditorOptions>(parseCommandLine({"editor", "p.dll"}));
    CHECK(open.screenshot.empty());
    CHECK_FALSE(open.afterMilliseconds.has_value());
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
        {{"info", "--json"}, "info needs PLUGIN", InfoUsage},
        {{"info", "a.so", "--yaml"}, "unknown option '--yaml'", InfoUsage},
        {{"process", "p.so", "in.wav"}, "process needs PLUGIN, IN.wav and OUT.wav", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "more.wav"}, "unexpected argument 'more.wav'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--tail"}, "--tail needs a value", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--tail", "-1"}, "--tail needs seconds from 0 to 3600, not '-1'",
         ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--tail", "long"},
         "--tail needs seconds from 0 to 3600, not 'long'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--tail=nan"}, "--tail needs seconds from 0 to 3600, not 'nan'",
         ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--quiet=1"}, "unknown option '--quiet=1'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--adding=yes"}, "unknown option '--adding=yes'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--block"}, "--block needs a value", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--block", "0"},
         "--block needs a whole number from 1 to 1048576, not '0'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--block", "12x"},
         "--block needs a whole number from 1 to 1048576, not '12x'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--program", "-1"},
         "--program needs a whole number from 0 to 2147483647, not '-1'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "0"},
         "--param needs NAME=VALUE or INDEX=VALUE (e.g. 0=0.5), not '0'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "=1"},
         "--param needs NAME=VALUE or INDEX=VALUE (e.g. 0=0.5), not '=1'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "-1=1"},
         "--param needs NAME=VALUE or INDEX=VALUE (e.g. 0=0.5), not '-1=1'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "0=half"},
         "--param needs NAME=VALUE or INDEX=VALUE (e.g. 0=0.5), not '0=half'", ProcessUsage},
        {{"process", "p.so", "in.wav", "out.wav", "--param", "gain="},
         "--param needs NAME=VALUE or INDEX=VALUE (e.g. 0=0.5), not 'gain='", ProcessUsage},
        {{"presets", "p.so", "in.wav"}, "presets needs PLUGIN, IN.wav and OUTDIR", PresetsUsage},
        {{"presets", "p.so", "in.wav", "out", "--adding"}, "unknown option '--adding'", PresetsUsage},
        {{"bench"}, "bench needs PLUGIN", BenchUsage},
        {{"bench", "p.so", "--runs", "0"}, "--runs needs a whole number from 1 to 1000, not '0'", BenchUsage},
        {{"bench", "p.so", "--seconds", "0"}, "--seconds needs at least 0.001, not '0'", BenchUsage},
        {{"editor", "--screenshot", "a.png"}, "editor needs PLUGIN", EditorUsage},
        {{"editor", "p.dll", "--screenshot", "a.png", "--after", "-5"},
         "--after needs a whole number from 0 to 600000, not '-5'", EditorUsage},
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
