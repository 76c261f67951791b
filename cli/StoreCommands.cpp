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
bool ContinueOverExistingHistory(int section) {
    const int existing = ExistingSectionLines(section);
    for (int line = 0; line < existing; ++line) {
        if (MessageBox(kExistingEntryWarning, MessageIcon::Exclamation, MessageButtons::OkCancel) !=
            MessageAnswer::Ok) {
            return false;
        }
    }
    return true;
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
        // Done also when every drawing of the file was held already.
        return ExitStatus(ImportResults(importFile, line.gameType, line.column, {}, *settings) != 0);
    }
    if (line.append) {
        return ExitStatus(ImportAppend(importFile, line.gameType, line.dated, {}, line.filter, *settings) ==
                          1);
    }
    if (!ContinueOverExistingHistory(SectionNumber(line.gameType, line.dated))) {
        return kExitRefused;
    }
    if (ImportNew(importFile, line.gameType, line.dated, {}, line.filter, *settings) != 1) {
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

int RunBackup(const CommandLine&, CliContext&) {
    return ExitStatus(BackupHistoryFile() == BackupOutcome::kCompleted);
}

int RunRestore(const CommandLine&, CliContext&) {
    return ExitStatus(RestoreHistoryFile() == BackupOutcome::kCompleted);
}

} // namespace vantorel
