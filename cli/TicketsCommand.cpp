// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "cli/CommandOutput.h"
#include "formats/ResultDocument.h"
#include "platform/GameCatalogue.h"
#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "tickets/HistoryTickets.h"
#include "tickets/TicketDates.h"
#include "tickets/TicketGame.h"
#include "tickets/TicketReports.h"
#include "tickets/TicketTables.h"

#include <ostream>
#include <string>

namespace vantorel {

std::string PresetNameInForce(int gameType, const ProfileStore& profile) {
    const GamePreset* preset = PresetInForce(profile, gameType);
    return preset != nullptr ? std::string(preset->name) : std::string();
}

void ShowNewDrawingsCheck(int gameType, const GameSettings& settings, const std::vector<int>& before,
                          CliContext& context) {
    const Outcome<ReportLines> report =
        CheckNewDrawings(gameType, settings, PresetNameInForce(gameType, context.profile), before);
    if (ShowOutcome(report)) {
        PrintLines(context.out, *report);
    }
}

int RunTickets(const CommandLine& line, CliContext& context) {
    const Outcome<GameSettings> settings = ReadGameSettings(context.profile, SettingsOfGame(line.gameType));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    TicketsFileCheck request;
    request.presetName = PresetNameInForce(line.gameType, context.profile);
    if (line.ticketsFile) {
        request.ticketsFile = *line.ticketsFile;
    }
    if (!line.since.empty()) {
        const std::optional<int> since = DateKeyOfTyped(line.since);
        if (!since) {
            MessageBox("--since " + line.since + " is not a day: write it MM/DD/YYYY, as 12/05/2026.",
                       MessageIcon::Stop);
            return kExitRefused;
        }
        request.scope.since = *since;
    }
    const Outcome<DrawingsToCheck> drawings = DrawingsOfHistory(
        line.gameType, line.dated, *settings, ReadHistoryText(std::filesystem::path(kHistoryFileName)));
    if (!ShowOutcome(drawings)) {
        return kExitRefused;
    }
    const Outcome<TicketCheck> check =
        CheckTicketsFile(request, TicketGameOf(line.gameType, *settings), *drawings);
    if (!ShowOutcome(check)) {
        return kExitRefused;
    }
    if (line.format == OutputFormat::Csv) {
        // The wins a piece at a time, the header once, so that a long list is never held whole.
        for (std::size_t first = 0; first == 0 || first < check->wins.size(); first += kWinLinesPerPiece) {
            std::string piece = CsvOf(WinsTable(*check, first, kWinLinesPerPiece));
            const std::size_t body = first == 0 ? 0 : piece.find("\r\n") + 2;
            context.out.write(piece.data() + body, static_cast<std::streamsize>(piece.size() - body));
        }
        return kExitDone;
    }
    if (line.format != OutputFormat::Text) {
        // JSON: the summary's figures, the wins, the tiers and the summary's lines, with the messages shown.
        ResultDocument document = StartDocument(line);
        AddCheckFields(document, *check);
        document.tables.push_back(WinsTable(*check));
        document.tables.push_back(TiersTable(*check));
        PrintResult(line, context, std::move(document), SummaryLines(*check));
        return kExitDone;
    }
    // A long list is written a piece at a time, so that its text never has to be held whole.
    for (std::size_t first = 0; first < check->wins.size(); first += kWinLinesPerPiece) {
        PrintLines(context.out, WinLines(*check, first, kWinLinesPerPiece));
    }
    PrintLines(context.out, SummaryLines(*check));
    return kExitDone;
}

} // namespace vantorel
