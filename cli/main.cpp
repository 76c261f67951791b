// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel-cli: runs one operation on the history file of the current directory (or of --dir DIR) and
// prints the result lines that the "Deja View" list would show.

#include "VantorelBuild.h"
#include "cli/Commands.h"
#include "cli/StderrMessageSink.h"
#include "platform/Clock.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "settings/FolderProfileStore.h"
#include "settings/IniProfileStore.h"
#include "settings/LotteryFolder.h"
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

// A FILE argument was typed relative to where the user stands: made absolute before the working
// directory changes.
bool MakeFileArgumentAbsolute(CommandLine& line) {
    const bool takesFile = line.command == CliCommand::Import || line.command == CliCommand::Compare;
    std::error_code error;
    if (takesFile && !line.input.empty()) {
        line.input = std::filesystem::absolute(line.input, error).string();
    }
    if (line.ticketsFile && !error) {
        line.ticketsFile = std::filesystem::absolute(*line.ticketsFile, error).string();
    }
    for (std::optional<std::string>* file : {&line.wheel.check, &line.wheel.save}) {
        if (!error && file->has_value()) {
            **file = std::filesystem::absolute(**file, error).string();
        }
    }
    return !error;
}

// Makes the history folder of --dir the working directory, where the store keeps the history, its backup
// and its work files. False (after saying why) when the folder cannot be entered.
bool EnterNamedFolder(CommandLine& line) {
    std::error_code error;
    if (MakeFileArgumentAbsolute(line)) {
        std::filesystem::current_path(*line.directory, error);
    }
    if (error) {
        std::cerr << "vantorel-cli: cannot work in the folder \"" << *line.directory
                  << "\": " << error.message() << '\n';
        return false;
    }
    return true;
}

// The commands that may start a history where there is none.
bool StartsHistory(CliCommand command) {
    return command == CliCommand::Import || command == CliCommand::Update || command == CliCommand::Restore;
}

// The commands that read a history that must be there.
bool NeedsHistory(CliCommand command) {
    switch (command) {
    case CliCommand::Run:
    case CliCommand::Analyze:
    case CliCommand::Compare:
    case CliCommand::Pattern:
    case CliCommand::Append:
    case CliCommand::Backup:
    case CliCommand::Tickets:
    case CliCommand::Stats:
    case CliCommand::Backtest:
        return true;
    default:
        return false;
    }
}

bool IsMissing(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::symlink_status(file, error).type() == std::filesystem::file_type::not_found;
}

// Without --dir: the folder ChooseHistoryFolder finds, made the working directory when it exists (made
// first for a command that may start a history there). False (after saying why) when it cannot be used.
bool EnterFoundFolder(CommandLine& line, const HistoryFolderChoice& choice) {
    if (choice.source == FolderSource::kCurrent) {
        return true;
    }
    std::error_code error;
    if (StartsHistory(line.command)) {
        std::filesystem::create_directories(choice.folder, error);
    }
    // A folder that is not there yet is not entered: the commands that need a history say it is missing.
    if (!error && std::filesystem::exists(choice.folder, error) && MakeFileArgumentAbsolute(line)) {
        std::filesystem::current_path(choice.folder, error);
    }
    if (error) {
        std::cerr << "vantorel-cli: cannot work in the folder \"" << choice.folder.string()
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
    const std::filesystem::path userSettingsFile = UserProfileFile();
    IniProfileStore user(userSettingsFile);
    StderrMessageSink sink(std::cerr, false);
    const ScopedMessageSink installed(sink);
    std::error_code error;
    const std::filesystem::path standing = std::filesystem::current_path(error);
    const HistoryFolderChoice choice =
        line->command == CliCommand::New
            ? HistoryFolderChoice{standing, FolderSource::kCurrent}
            : ChooseHistoryFolder(line->directory, standing, user, UserDataFolderPath());
    if (line->directory ? !EnterNamedFolder(*line) : !EnterFoundFolder(*line, choice)) {
        return kExitRefused;
    }
    FolderProfileStore profile(user, choice.folder);
    ShowNotices(RunFirstTimeSetup(profile).notices());
    sink.SetAnswerYes(line->yes);
    if (line->command != CliCommand::Where && line->command != CliCommand::New) {
        // A lottery folder's settings that cannot be read are never replaced by the user's.
        if (const std::string problem = profile.FolderFileProblem(); !problem.empty()) {
            MessageBox(problem, MessageIcon::Stop);
            return kExitRefused;
        }
        const std::filesystem::path history = choice.folder / std::string(kHistoryFileName);
        if (NeedsHistory(line->command) && IsMissing(history)) {
            MessageBox(MissingHistoryMessage(history, UserDataFolderPath()), MessageIcon::Stop);
            return kExitRefused;
        }
    }

    SystemClock clock;
    CliContext context{profile, clock, std::cout, nullptr, choice.folder, userSettingsFile};
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
