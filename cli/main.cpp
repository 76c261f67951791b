// vantorel-cli: runs one operation on the history file of the current directory (or of --dir DIR) and
// prints the result lines that the "Deja View" list would show.

#include "VantorelBuild.h"
#include "cli/Commands.h"
#include "cli/StderrMessageSink.h"
#include "platform/Clock.h"
#include "platform/GameSettings.h"
#include "settings/IniProfileStore.h"
#include "store/HistoryFile.h"

#include <exception>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <filesystem>
#include <iostream>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

using namespace vantorel;

constexpr std::string_view kUnexpectedFailure =
    "vantorel-cli: the operation stopped on an unexpected problem: ";

// Makes the history folder of --dir the working directory, where the store keeps the history, its backup
// and its work files. A FILE argument was typed relative to where the user stands, so it is made absolute
// first. False (after saying why) when the folder cannot be entered.
bool EnterHistoryFolder(CommandLine& line) {
    const bool takesFile = line.command == CliCommand::Import || line.command == CliCommand::Compare;
    std::error_code error;
    if (takesFile && !line.input.empty()) {
        line.input = std::filesystem::absolute(line.input, error).string();
    }
    if (!error) {
        std::filesystem::current_path(*line.directory, error);
    }
    if (error) {
        std::cerr << "vantorel-cli: cannot work in the folder \"" << *line.directory
                  << "\": " << error.message() << '\n';
        return false;
    }
    return true;
}

// A command reads the history file into one buffer and then builds its tables and result lines. Keeping
// that buffer in the heap (rather than mapped apart) and the heap unshrunk lets the later allocations
// reuse its memory instead of touching fresh pages: fewer page faults, and a lower peak.
void KeepHistoryBufferInTheHeap() {
#if defined(__GLIBC__)
    constexpr int kBeyondAnyHistory = static_cast<int>(2 * kLargestHistoryFile);
    mallopt(M_MMAP_THRESHOLD, kBeyondAnyHistory);
    mallopt(M_TRIM_THRESHOLD, kBeyondAnyHistory);
#endif
}

int RunCli(int argc, char* argv[]) {
    KeepHistoryBufferInTheHeap();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    ParsedArguments parsed = ParseArguments(arguments);
    if (!parsed.line) {
        std::cerr << UsageErrorText(parsed);
        return kExitUsage;
    }
    std::optional<CommandLine>& line = parsed.line;
    if (line->command == CliCommand::Help) {
        std::cout << (line->helpTopic == "--help" ? HelpText() : CommandHelpText(line->helpTopic));
        return kExitDone;
    }
    if (line->command == CliCommand::Version) {
        std::cout << "vantorel-cli " << kVantorelVersion << '\n';
        return kExitDone;
    }
    // Located before --dir changes the working directory, so that a relative XDG_CONFIG_HOME is taken from
    // where the user stands.
    IniProfileStore profile;
    if (line->directory && !EnterHistoryFolder(*line)) {
        return kExitRefused;
    }
    StderrMessageSink sink(std::cerr, false);
    const ScopedMessageSink installed(sink);
    ShowNotices(RunFirstTimeSetup(profile).notices());
    sink.SetAnswerYes(line->yes);

    SystemClock clock;
    CliContext context{profile, clock, std::cout};
    const int status = RunCommand(*line, context);
    if (status == kExitUsage) {
        std::cerr << UsageErrorText({std::nullopt, "this command line cannot be run", parsed.commandWord});
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
