#include "cli/Commands.h"

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

namespace {

// The check as CSV (the wins, one row each) or as one JSON document (the summary's figures, the wins and
// the tiers, the summary's lines and the messages shown).
void PrintTables(const CommandLine& line, const Outcome<TicketCheck>& check, CliContext& context) {
    std::string written;
    if (line.format == "csv") {
        written = CsvOf(WinsTable(*check));
    } else {
        ResultDocument document;
        document.fields = {{"command", "tickets"},
                           {"game", GameOf(line.gameType).cliWord},
                           {"history", line.dated ? "dated" : "undated"}};
        AddCheckFields(document, *check);
        document.tables.push_back(WinsTable(*check));
        document.tables.push_back(TiersTable(*check));
        ResultTable& summary = document.AddTable("summary", {"line"});
        for (const std::string_view text : SummaryLines(*check)) {
            summary.AddRow({text});
        }
        for (const Notice& notice : check.notices()) {
            document.messages.push_back(notice.text);
        }
        written = JsonOf(document);
    }
    context.out.write(written.data(), static_cast<std::streamsize>(written.size()));
}

} // namespace

int RunTickets(const CommandLine& line, CliContext& context) {
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsNeededByTickets(line.gameType));
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
    if (line.format != "text") {
        PrintTables(line, check, context);
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
