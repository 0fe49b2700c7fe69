#include "tools/plughost/command_line.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>

namespace {

constexpr std::int32_t MaxBlockSize = 1 << 20;
constexpr double MaxSeconds = 3600.0;

const char* const InfoUsage = "plughost info PLUGIN [--json]";
const char* const ProcessUsage = "plughost process PLUGIN IN.wav OUT.wav [--program N] [--param NAME|INDEX=VALUE]... "
                                 "[--tail SECONDS] [--block FRAMES] [--adding] [--quiet]";
const char* const PresetsUsage = "plughost presets PLUGIN IN.wav OUTDIR [--tail SECONDS] [--block FRAMES] [--quiet]";
const char* const BenchUsage = "plughost bench PLUGIN [--block FRAMES] [--seconds S] [--runs N]";
const char* const EditorUsage = "plughost editor PLUGIN [--screenshot FILE.png] [--after MS] [--program N]";

std::string usageLine(const char* usage)
{
    return std::string("usage: ") + usage + "\n";
}

template <typename Number>
bool parseWhole(const std::string& text, Number& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// One command's words: options by name, the rest in order.
class WordParser {
public:
    WordParser(const std::vector<std::string>& arguments, const char* usage) : words(arguments), usage(usage) {}

    UsageError error(const std::string& problem) const { return UsageError(problem, usageLine(usage)); }

    // An option taking a value, in "--name value" or "--name=value" form.
    void valued(const std::string& name, std::function<void(const std::string&)> take)
    {
        withValue[name] = std::move(take);
    }
    void flag(const std::string& name, std::function<void()> take) { flags[name] = std::move(take); }

    std::int32_t count(const std::string& option, const std::string& text, std::int32_t min, std::int32_t max) const
    {
        std::int32_t value = 0;
        if (!parseWhole(text, value) || value < min || value > max)
            throw error(option + " needs a whole number from " + std::to_string(min) + " to " + std::to_string(max) +
                        ", not '" + text + "'");
        return value;
    }

    double seconds(const std::string& option, const std::string& text) const
    {
        double value = 0.0;
        if (!parseWhole(text, value) || !std::isfinite(value) || value < 0.0 || value > MaxSeconds)
            throw error(option + " needs seconds from 0 to 3600, not '" + text + "'");
        return value;
    }

    // Runs the handlers and answers the positional words, which must number
    // exactly wanted; missing is the problem when there are fewer.
    std::vector<std::string> run(const char* missing, std::size_t wanted)
    {
        std::vector<std::string> positional;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string& word = words[i];
            const std::size_t equals = word.find('=');
            const bool split = word.compare(0, 2, "--") == 0 && equals != std::string::npos;
            const std::string name = split ? word.substr(0, equals) : word;
            const auto valuedOption = withValue.find(name);
            const auto flagOption = flags.find(name);
            if (valuedOption != withValue.end()) {
                if (split) {
                    valuedOption->second(word.substr(equals + 1));
                } else {
                    if (i + 1 >= words.size())
                        throw error(name + " needs a value");
                    valuedOption->second(words[++i]);
                }
            } else if (flagOption != flags.end() && !split) {
                flagOption->second();
            } else if (word.size() > 1 && word[0] == '-') {
                throw error("unknown option '" + word + "'");
            } else {
                positional.push_back(word);
            }
        }
        if (positional.size() < wanted)
            throw error(missing);
        if (positional.size() > wanted)
            throw error("unexpected argument '" + positional[wanted] + "'");
        return positional;
    }

private:
    const std::vector<std::string>& words;
    const char* usage;
    std::map<std::string, std::function<void(const std::string&)>> withValue;
    std::map<std::string, std::function<void()>> flags;
};

const char* const ParamProblem = "--param needs NAME=VALUE or INDEX=VALUE (e.g. 0=0.5), not '";

ParamSetting paramArgument(const WordParser& parser, const std::string& text)
{
    const std::size_t equals = text.rfind('=');
    ParamSetting setting{-1, 0.0f, {}};
    if (equals == std::string::npos || equals == 0 || !parseWhole(text.substr(equals + 1), setting.value))
        throw parser.error(ParamProblem + text + "'");
    const std::string key = text.substr(0, equals);
    if (parseWhole(key, setting.index)) {
        if (setting.index < 0)
            throw parser.error(ParamProblem + text + "'");
    } else {
        setting.index = -1;
        setting.name = key;
    }
    return setting;
}

ProcessOptions parseProcess(const std::vector<std::string>& arguments)
{
    ProcessOptions options;
    WordParser parser(arguments, ProcessUsage);
    parser.valued("--program", [&](const std::string& v) {
        options.program = parser.count("--program", v, 0, INT32_MAX);
    });
    parser.valued("--param", [&](const std::string& v) { options.params.push_back(paramArgument(parser, v)); });
    parser.valued("--block", [&](const std::string& v) {
        options.blockSize = parser.count("--block", v, 1, MaxBlockSize);
    });
    parser.valued("--tail", [&](const std::string& v) { options.tailSeconds = parser.seconds("--tail", v); });
    parser.flag("--adding", [&] { options.adding = true; });
    parser.flag("--quiet", [&] { options.quiet = true; });
    const auto positional = parser.run("process needs PLUGIN, IN.wav and OUT.wav", 3);
    options.plugin = positional[0];
    options.input = positional[1];
    options.output = positional[2];
    return options;
}

PresetsOptions parsePresets(const std::vector<std::string>& arguments)
{
    PresetsOptions options;
    WordParser parser(arguments, PresetsUsage);
    parser.valued("--block", [&](const std::string& v) {
        options.blockSize = parser.count("--block", v, 1, MaxBlockSize);
    });
    parser.valued("--tail", [&](const std::string& v) { options.tailSeconds = parser.seconds("--tail", v); });
    parser.flag("--quiet", [&] { options.quiet = true; });
    const auto positional = parser.run("presets needs PLUGIN, IN.wav and OUTDIR", 3);
    options.plugin = positional[0];
    options.input = positional[1];
    options.outputFolder = positional[2];
    return options;
}

BenchOptions parseBench(const std::vector<std::string>& arguments)
{
    BenchOptions options;
    WordParser parser(arguments, BenchUsage);
    parser.valued("--block", [&](const std::string& v) {
        options.blockSize = parser.count("--block", v, 1, MaxBlockSize);
    });
    parser.valued("--seconds", [&](const std::string& v) {
        options.seconds = parser.seconds("--seconds", v);
        if (options.seconds * 1000.0 < 1.0)
            throw parser.error("--seconds needs at least 0.001, not '" + v + "'");
    });
    parser.valued("--runs", [&](const std::string& v) { options.runs = parser.count("--runs", v, 1, 1000); });
    options.plugin = parser.run("bench needs PLUGIN", 1)[0];
    return options;
}

EditorOptions parseEditor(const std::vector<std::string>& arguments)
{
    EditorOptions options;
    WordParser parser(arguments, EditorUsage);
    parser.valued("--screenshot", [&](const std::string& v) { options.screenshot = v; });
    parser.valued("--after", [&](const std::string& v) {
        options.afterMilliseconds = parser.count("--after", v, 0, 600000);
    });
    parser.valued("--program", [&](const std::string& v) {
        options.program = parser.count("--program", v, 0, INT32_MAX);
    });
    options.plugin = parser.run("editor needs PLUGIN", 1)[0];
    return options;
}

InfoOptions parseInfo(const std::vector<std::string>& arguments)
{
    InfoOptions options;
    WordParser parser(arguments, InfoUsage);
    parser.flag("--json", [&] { options.json = true; });
    options.plugin = parser.run("info needs PLUGIN", 1)[0];
    return options;
}

} // namespace

Command parseCommandLine(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        throw UsageError("no command given", usageText());
    const std::string& command = arguments[0];
    if (command == "help" || command == "--help" || command == "-h")
        return HelpRequest{};
    if (command == "info")
        return parseInfo(arguments);
    if (command == "process")
        return parseProcess(arguments);
    if (command == "presets")
        return parsePresets(arguments);
    if (command == "bench")
        return parseBench(arguments);
    if (command == "editor")
        return parseEditor(arguments);
    throw UsageError("unknown command '" + command + "'", usageText());
}

std::string usageText()
{
    std::string text;
    for (const char* usage : {InfoUsage, ProcessUsage, PresetsUsage, BenchUsage, EditorUsage})
        text += (text.empty() ? "usage: " : "       ") + std::string(usage) + "\n";
    return text;
}
