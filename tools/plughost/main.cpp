// plughost: our own command-line host for plug-ins of the effect-record
// interface. Exit codes: 0 done, 1 the run failed, 2 the command line is wrong.
#include "tools/plughost/bench_command.h"
#include "tools/plughost/command_line.h"
#include "tools/plughost/editor_command.h"
#include "tools/plughost/host_error.h"
#include "tools/plughost/info_command.h"
#include "tools/plughost/os_process.h"
#include "tools/plughost/presets_command.h"
#include "tools/plughost/process_command.h"

#include <iostream>
#include <new>

namespace {

struct CommandRunner {
    int operator()(const HelpRequest&) const
    {
        std::cout << usageText();
        return 0;
    }
    int operator()(const InfoOptions& options) const
    {
        runInfo(options, std::cout);
        return 0;
    }
    int operator()(const ProcessOptions& options) const
    {
        runProcess(options, std::cout, std::cerr, stderrIsTerminal());
        return 0;
    }
    int operator()(const PresetsOptions& options) const
    {
        runPresets(options, std::cout, std::cerr, stderrIsTerminal());
        return 0;
    }
    int operator()(const BenchOptions& options) const
    {
        runBench(options, std::cout);
        return 0;
    }
    int operator()(const EditorOptions& options) const
    {
        runEditor(options, std::cout);
        return 0;
    }
};

int fail(const std::string& sentence)
{
    std::cout.flush();
    std::cerr << "plughost: " << sentence << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    prepareProcess();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        return std::visit(CommandRunner{}, parseCommandLine(arguments));
    } catch (const UsageError& error) {
        std::cerr << "plughost: " << error.what() << '\n' << error.usage();
        return 2;
    } catch (const HostError& error) {
        return fail(error.what());
    } catch (const std::bad_alloc&) {
        return fail("out of memory");
    } catch (const std::exception& error) {
        return fail(error.what());
    }
}
