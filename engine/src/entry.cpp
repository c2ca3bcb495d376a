// The engine's entry: reads the command line and dispatches to packing or to
// the reading tools. Nothing escapes it: an unexpected exception becomes an
// "error: internal: ..." line and exit code 1.

#include "orvi_lathe_core.h"

#include "cli/command_line.h"
#include "reader/image_extract.h"
#include "reader/image_inspect.h"
#include "run/engine_output.h"
#include "run/pack_run.h"

#include <exception>
#include <string>
#include <vector>

namespace {

int dispatch(const orvi::engine::cli::CommandLine& commandLine, orvi::engine::EngineOutput& output,
             const OrviLatheHooks* hooks)
{
    using orvi::engine::cli::Mode;
    switch (commandLine.mode) {
    case Mode::Help: {
        const std::string help = orvi::engine::cli::helpText();
        for (size_t start = 0, end; (end = help.find('\n', start)) != std::string::npos; start = end + 1)
            output.line(help.substr(start, end - start));
        return orvi::engine::kExitSuccess;
    }
    case Mode::Version:
        output.line("OrviPackEngine " ORVI_ENGINE_VERSION);
        return orvi::engine::kExitSuccess;
    case Mode::Inspect:
    case Mode::Extract:
        if (!commandLine.usageErrors.empty()) {
            for (const std::string& problem : commandLine.usageErrors)
                output.error(problem);
            output.usage(orvi::engine::cli::usageLine());
            return orvi::engine::kExitUsage;
        }
        if (commandLine.mode == Mode::Inspect)
            return orvi::engine::reader::inspectImage(commandLine.inspectImage, output);
        return orvi::engine::reader::extractImage(commandLine.inspectImage, commandLine.extractDirectory, output);
    case Mode::Pack:
        break;
    }
    return orvi::engine::runPack(commandLine, output, hooks);
}

} // namespace

int orvi_lathe_main_with_hooks(int argc, char** argv, const OrviLatheHooks* hooks)
{
    orvi::engine::EngineOutput output;
    try {
        std::vector<std::string> arguments;
        for (int i = 1; i < argc && argv[i]; ++i)
            arguments.emplace_back(argv[i]);
        return dispatch(orvi::engine::cli::readCommandLine(arguments), output, hooks);
    } catch (const std::exception& fault) {
        output.error(std::string("internal: ") + fault.what());
    } catch (...) {
        output.error("internal: unknown fault");
    }
    return orvi::engine::kExitInvalidInput;
}

int orvi_lathe_main(int argc, char** argv)
{
    return orvi_lathe_main_with_hooks(argc, argv, nullptr);
}
