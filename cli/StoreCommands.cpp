// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "cli/CommandOutput.h"

#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "store/DataFileTexts.h"
#include "store/DataImport.h"
#include "store/HistoryAnalysis.h"
#include "store/HistoryBackup.h"
#include "store/HistoryFile.h"
#include "store/HistoryRepair.h"
#include "store/HistoryUndo.h"
#include "store/ManualEntry.h"
#include "store/ResultsImport.h"
#include "tickets/HistoryTickets.h"

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
    const Question warning{std::string(kExistingEntryWarning), QuestionButtons::OkCancel, true};
    for (int line = 0; line < lines; ++line) {
        if (!AskThroughMessageBox(warning)) {
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
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, line.results ? SettingsOfResultsImport(line.gameType)
                                                       : SettingsOfImport(line.gameType));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    const std::filesystem::path importFile(line.input);
    if (line.results) {
        const std::vector<int> before = DatedDaysInHistoryFile(line.gameType, *settings);
        const Outcome<ResultsImported> imported = ImportResults(
            importFile, line.gameType, {line.column, EraInForce(context.profile, line.gameType)}, {},
            *settings, AskThroughMessageBox);
        if (!ShowOutcome(imported)) {
            return kExitRefused;
        }
        if (imported->change == ChangeOutcome::kDeclined) {
            TellDeclined("remove them");
        }
        if (imported->change == ChangeOutcome::kReplaced) {
            ShowNewDrawingsCheck(line.gameType, *settings, before, context);
        }
        // Done also when every drawing of the file was held already.
        return ExitStatus(imported->change != ChangeOutcome::kDeclined);
    }
    if (line.append) {
        return ExitStatus(
            ShowOutcome(ImportAppend(importFile, line.gameType, line.dated, {}, line.filter, *settings)));
    }
    const Outcome<ChangeOutcome> imported = ImportNew(importFile, line.gameType, line.dated, {}, line.filter,
                                                      *settings, ContinueOverExistingHistory);
    if (!ShowOutcome(imported)) {
        MessageBox(kUnexpectedProblem, MessageIcon::Stop);
        return kExitRefused;
    }
    if (*imported == ChangeOutcome::kDeclined) {
        TellDeclined("continue");
        return kExitRefused;
    }
    return kExitDone;
}

int RunAppend(const CommandLine& line, CliContext& context) {
    if (line.input.empty()) {
        MessageBox(kNoDataEntered, MessageIcon::Stop);
        return kExitRefused;
    }
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsOfManualEntry(line.gameType));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    const Outcome<ChangeOutcome> appended =
        AppendEntry(line.input, line.gameType, line.dated, *settings, AskThroughMessageBox);
    if (!ShowOutcome(appended)) {
        MessageBox(kDataAppendFailed, MessageIcon::Stop);
        return kExitRefused;
    }
    if (*appended == ChangeOutcome::kDeclined) {
        TellDeclined("remove the oldest drawing and append");
        return kExitRefused;
    }
    context.out << kAppendSuccessful << '\n';
    return kExitDone;
}

int RunAnalyze(const CommandLine& line, CliContext& context) {
    // The analysis checks the numbers of every lotto and Power Ball section against their settings.
    const Outcome<GameSettings> settings = ReadGameSettings(context.profile, GameSettingKeys::All());
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    const Outcome<CheckTable> table = AnalyseHistoryFile(*settings);
    ShowOutcome(table);
    const ReportLines lines = ShowAnalysisReport(*table);
    if (line.format == OutputFormat::Text) {
        PrintLines(context.out, lines);
    } else {
        ResultDocument document = StartDocument(line);
        AddAnalysisTables(document, *table);
        PrintResult(line, context, std::move(document), lines);
    }
    if (!table->wholeFile) {
        return kExitRefused;
    }
    return FoundErrors(*table) ? kExitErrorsFound : kExitDone;
}

int RunUndo(const CommandLine&, CliContext&) {
    const Outcome<ChangeOutcome> undone = UndoLastChange(AskThroughMessageBox);
    if (!ShowOutcome(undone)) {
        return kExitRefused;
    }
    if (*undone == ChangeOutcome::kDeclined) {
        TellDeclined("undo it");
        return kExitRefused;
    }
    return kExitDone;
}

int RunRemove(const CommandLine& line, CliContext& context) {
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsOfDrawingShape(line.gameType));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    const int section = SectionNumber(line.gameType, line.dated);
    const Outcome<ChangeOutcome> removed = RemoveDrawing(section, line.at, *settings, AskThroughMessageBox);
    if (!ShowOutcome(removed)) {
        return kExitRefused;
    }
    if (*removed == ChangeOutcome::kDeclined) {
        TellDeclined("remove it");
        return kExitRefused;
    }
    return kExitDone;
}

int RunRepair(const CommandLine&, CliContext& context) {
    const Outcome<GameSettings> settings = ReadGameSettings(context.profile, GameSettingKeys::All());
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    const Outcome<CheckTable> table = AnalyseHistoryFile(*settings);
    if (!ShowOutcome(table)) {
        return kExitRefused;
    }
    for (const NamedError& error : table->named) {
        context.out << NamedErrorLine(error) << '\n';
    }
    if (table->named.empty()) {
        MessageBox(kNothingToRepair, MessageIcon::Information);
        return kExitDone;
    }
    const Outcome<ChangeOutcome> repaired =
        RemoveNamedDrawings(table->named, *settings, AskThroughMessageBox);
    if (!ShowOutcome(repaired)) {
        return kExitRefused;
    }
    if (*repaired == ChangeOutcome::kDeclined) {
        TellDeclined("remove them");
        return kExitRefused;
    }
    return kExitDone;
}

int RunBackup(const CommandLine&, CliContext& context) {
    // PBM tells whether the history and an old backup read whole; a backup is made also without it.
    const Outcome<GameSettings> settings = ReadGameSettings(context.profile, GameSettingKeys{});
    const Outcome<BackupOutcome> outcome =
        BackupHistoryFile(settings.value_or(GameSettings{}), AskThroughMessageBox);
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    if (*outcome == BackupOutcome::kCancelled) {
        TellDeclined("replace the backup copy");
    }
    return ExitStatus(*outcome == BackupOutcome::kCompleted);
}

int RunRestore(const CommandLine&, CliContext& context) {
    // A backup is restored only when it reads whole, its Power Ball drawings with the PBM in force.
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsOfDrawingShape(kPowerball));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    const Outcome<BackupOutcome> outcome = RestoreHistoryFile(*settings, AskThroughMessageBox);
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    if (*outcome == BackupOutcome::kCancelled) {
        TellDeclined("restore the backup copy");
    }
    return ExitStatus(*outcome == BackupOutcome::kCompleted);
}

} // namespace vantorel
