#include "cli/Commands.h"

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "store/DataFileTexts.h"
#include "store/DataImport.h"
#include "store/HistoryAnalysis.h"
#include "store/HistoryBackup.h"
#include "store/HistoryFile.h"
#include "store/ManualEntry.h"
#include "store/ResultsImport.h"

#include <ostream>
#include <string>

namespace vantorel {

namespace {

constexpr std::string_view kExistingEntryWarning =
    "VanTorel Advises You To Abort\n\nWarning\n\n"
    "Vantorel has determined that you already have an entry for this game type in the file !\n\n"
    "Continuing Will Cause Data Damage or Loss";

// The warning of a new import over a history that is already in the file, once for each of its lines:
// OK continues, Cancel is "Abort Now".
bool ContinueOverExistingHistory(int lines) {
    for (int line = 0; line < lines; ++line) {
        if (MessageBox(kExistingEntryWarning, MessageIcon::Exclamation, MessageButtons::OkCancel) !=
            MessageAnswer::Ok) {
            return false;
        }
    }
    return true;
}

// Told after a question took the cautious answer: nothing was written, and how to go on.
void TellDeclined(std::string_view action) {
    MessageBox("Nothing was changed. Run again with --yes to " + std::string(action) + '.',
               MessageIcon::None);
}

int ExitStatus(bool done) {
    return done ? kExitDone : kExitRefused;
}

} // namespace

int RunImport(const CommandLine& line, CliContext& context) {
    const std::optional<GameSettings> settings =
        ReadGameSettings(context.profile, line.results ? SettingsOfResultsImport(line.gameType)
                                                       : SettingsOfDrawingShape(line.gameType));
    if (!settings) {
        return kExitRefused;
    }
    const std::filesystem::path importFile(line.input);
    if (line.results) {
        const int imported = ImportResults(importFile, line.gameType, line.column, {}, *settings);
        if (imported == kResultsImportDeclined) {
            TellDeclined("remove them");
        }
        // Done also when every drawing of the file was held already.
        return ExitStatus(imported == 1 || imported == kNothingNewToImport);
    }
    if (line.append) {
        return ExitStatus(ImportAppend(importFile, line.gameType, line.dated, {}, line.filter, *settings) ==
                          1);
    }
    const int imported = ImportNew(importFile, line.gameType, line.dated, {}, line.filter, *settings,
                                   ContinueOverExistingHistory);
    if (imported == kImportDeclined) {
        TellDeclined("continue");
        return kExitRefused;
    }
    if (imported != 1) {
        MessageBox(kUnexpectedProblem, MessageIcon::Stop);
        return kExitRefused;
    }
    return kExitDone;
}

int RunAppend(const CommandLine& line, CliContext& context) {
    if (line.input.empty()) {
        MessageBox(kNoDataEntered, MessageIcon::Stop);
        return kExitRefused;
    }
    const std::optional<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsOfDrawingShape(line.gameType));
    if (!settings) {
        return kExitRefused;
    }
    if (AppendEntry(line.input, line.gameType, line.dated, *settings) != 1) {
        MessageBox(kDataAppendFailed, MessageIcon::Stop);
        return kExitRefused;
    }
    context.out << kAppendSuccessful << '\n';
    return kExitDone;
}

int RunAnalyze(const CommandLine&, CliContext& context) {
    // The analysis checks the numbers of every lotto and Power Ball section against their settings.
    const std::optional<GameSettings> settings = ReadGameSettings(context.profile, GameSettingKeys::All());
    if (!settings) {
        return kExitRefused;
    }
    CheckTable table;
    AnalyseHistoryFile(table, *settings);
    PrintLines(context.out, ShowAnalysisReport(table));
    return ExitStatus(table.wholeFile);
}

int RunBackup(const CommandLine&, CliContext& context) {
    // PBM tells whether the history and an old backup read whole; a backup is made also without it.
    const std::optional<GameSettings> settings = ReadGameSettings(context.profile, GameSettingKeys{});
    const BackupOutcome outcome = BackupHistoryFile(settings.value_or(GameSettings{}));
    if (outcome == BackupOutcome::kCancelled) {
        TellDeclined("replace the backup copy");
    }
    return ExitStatus(outcome == BackupOutcome::kCompleted);
}

int RunRestore(const CommandLine&, CliContext& context) {
    // A backup is restored only when it reads whole, its Power Ball drawings with the PBM in force.
    const std::optional<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsOfDrawingShape(kPowerball));
    if (!settings) {
        return kExitRefused;
    }
    const BackupOutcome outcome = RestoreHistoryFile(*settings);
    if (outcome == BackupOutcome::kCancelled) {
        TellDeclined("restore the backup copy");
    }
    return ExitStatus(outcome == BackupOutcome::kCompleted);
}

} // namespace vantorel
