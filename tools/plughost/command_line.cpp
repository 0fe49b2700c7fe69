#include "tools/plughost/command_line.h"

#include <charconv>

namespace {

constexpr std::int32_t MaxBlockSize = 1 << 20;

const char* const InfoUsage = "plughost info PLUGIN";
const char* const ProcessUsage =
    "plughost process PLUGIN IN.wav OUT.wav [--program N] [--param INDEX=VALUE]... [--block FRAMES] [--adding]";

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

std::int32_t countArgument(const std::string& option, const std::string& text, std::int32_t min, std::int32_t max)
{
    std::int32_t value = 0;
    if (!parseWhole(text, value) || value < min || value > max)
        throw UsageError(option + " needs a whole number from " + std::to_string(min) + " to " +
                             std::to_string(max) + ", not '" + text + "'",
                         usageLine(ProcessUsage));
    return value;
}

ParamSetting paramArgument(const std::string& text)
{
    const std::size_t equals = text.find('=');
    ParamSetting setting{0, 0.0f};
    if (equals == std::string::npos || !parseWhole(text.substr(0, equals), setting.index) || setting.index < 0 ||
        !parseWhole(text.substr(equals + 1), setting.value))
        throw UsageError("--param needs INDEX=VALUE (e.g. 0=0.5), not '" + text + "'", usageLine(ProcessUsage));
    return setting;
}

// Splits "--name=value" so both option forms read alike.
struct OptionWord {
    std::string name;
    std::optional<std::string> value;
};

OptionWord splitOption(const std::string& word)
{
    const std::size_t equals = word.find('=');
    if (word.compare(0, 2, "--") != 0 || equals == std::string::npos)
        return {word, std::nullopt};
    return {word.substr(0, equals), word.substr(equals + 1)};
}

ProcessOptions parseProcess(const std::vector<std::string>& arguments)
{
    ProcessOptions options;
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const OptionWord option = splitOption(arguments[i]);
        auto value = [&]() -> std::string {
            if (option.value)
                return *option.value;
            if (i + 1 >= arguments.size())
                throw UsageError(option.name + " needs a value", usageLine(ProcessUsage));
            return arguments[++i];
        };
        if (option.name == "--program") {
            options.program = countArgument(option.name, value(), 0, INT32_MAX);
        } else if (option.name == "--param") {
            options.params.push_back(paramArgument(value()));
        } else if (option.name == "--block") {
            options.blockSize = countArgument(option.name, value(), 1, MaxBlockSize);
        } else if (option.name == "--adding" && !option.value) {
            options.adding = true;
        } else if (option.name.size() > 1 && option.name[0] == '-') {
            throw UsageError("unknown option '" + arguments[i] + "'", usageLine(ProcessUsage));
        } else {
            positional.push_back(arguments[i]);
        }
    }
    if (positional.size() != 3)
        throw UsageError(positional.size() < 3 ? "process needs PLUGIN, IN.wav and OUT.wav"
                                               : "unexpected argument '" + positional[3] + "'",
                         usageLine(ProcessUsage));
    options.plugin = positional[0];
    options.input = positional[1];
    options.output = positional[2];
    return options;
}

InfoOptions parseInfo(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2)
        throw UsageError(arguments.size() < 2 ? "info needs PLUGIN" : "unexpected argument '" + arguments[2] + "'",
                         usageLine(InfoUsage));
    if (arguments[1].size() > 1 && arguments[1][0] == '-')
        throw UsageError("unknown option '" + arguments[1] + "'", usageLine(InfoUsage));
    return {arguments[1]};
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
    throw UsageError("unknown command '" + command + "'", usageText());
}

std::string usageText()
{
    return std::string("usage: ") + InfoUsage + "\n       " + ProcessUsage + "\n";
}
