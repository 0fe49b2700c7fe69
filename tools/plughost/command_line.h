// plughost's command line: which command to run and its options. Parsing
// knows nothing of plug-ins or files; it only checks the syntax.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

struct HelpRequest {};

struct InfoOptions {
    std::string plugin;
    bool json = false;
};

// --param INDEX=VALUE or NAME=VALUE; name is empty for the index form.
struct ParamSetting {
    std::int32_t index;
    float value;
    std::string name;
};

struct ProcessOptions {
    std::string plugin;
    std::string input;
    std::string output;
    std::optional<std::int32_t> program;
    std::vector<ParamSetting> params; // applied in the order given
    std::int32_t blockSize = 512;
    bool adding = false;
    std::optional<double> tailSeconds; // unset: until the output goes quiet
    bool quiet = false;
};

struct PresetsOptions {
    std::string plugin;
    std::string input;
    std::string outputFolder;
    std::int32_t blockSize = 512;
    std::optional<double> tailSeconds;
    bool quiet = false;
};

struct BenchOptions {
    std::string plugin;
    std::int32_t blockSize = 512;
    double seconds = 2.0; // of audio per run
    std::int32_t runs = 5;
};

struct EditorOptions {
    std::string plugin;
    std::string screenshot; // empty: no picture, the window stays until closed
    std::optional<std::int32_t> afterMilliseconds; // unset: 500 for a picture, else until closed
    std::optional<std::int32_t> program;
};

using Command = std::variant<HelpRequest, InfoOptions, ProcessOptions, PresetsOptions, BenchOptions, EditorOptions>;

// A command line plughost cannot run: the problem, and the usage lines that
// show how it should look (exit code 2).
class UsageError : public std::runtime_error {
public:
    UsageError(const std::string& problem, std::string usage)
        : std::runtime_error(problem), usageLines(std::move(usage))
    {
    }
    const std::string& usage() const { return usageLines; }

private:
    std::string usageLines;
};

// The arguments after the program name; throws UsageError.
Command parseCommandLine(const std::vector<std::string>& arguments);

// Every command's usage, one line each, first line starting "usage: ".
std::string usageText();
