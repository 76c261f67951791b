// vantorel-cli: runs one operation on the history file of the current directory and prints the result
// lines that the "Deja View" list would show.

#include "cli/Commands.h"
#include "cli/StderrMessageSink.h"
#include "platform/Clock.h"
#include "platform/GameSettings.h"
#include "shell/QtProfileStore.h"

#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUnexpectedFailure =
    "vantorel-cli: the operation stopped on an unexpected problem: ";

int RunCli(int argc, char* argv[]) {
    using namespace vantorel;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const std::optional<CommandLine> line = ParseCommandLine(arguments);
    if (!line) {
        std::cerr << kUsageText;
        return kExitUsage;
    }
    StderrMessageSink sink(std::cerr, false);
    const ScopedMessageSink installed(sink);
    QtProfileStore profile;
    RunFirstTimeSetup(profile);
    sink.SetAnswerYes(line->yes);

    SystemClock clock;
    CliContext context{profile, clock, std::cout};
    const int status = RunCommand(*line, context);
    if (status == kExitUsage) {
        std::cerr << kUsageText;
    }
    std::cout.flush();
    return status;
}

} // namespace

// Nothing leaves main() as an exception: whatever escapes an operation is told and ends the run with the
// status of a failed operation.
int main(int argc, char* argv[]) {
    try {
        return RunCli(argc, argv);
    } catch (const std::exception& problem) {
        std::cerr << kUnexpectedFailure << problem.what() << '\n';
    } catch (...) {
        std::cerr << kUnexpectedFailure << "unknown\n";
    }
    return vantorel::kExitRefused;
}
