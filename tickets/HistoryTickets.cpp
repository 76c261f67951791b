// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/HistoryTickets.h"

#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameCatalogue.h"
#include "store/HistoryFile.h"
#include "tickets/BuiltInPrizeTables.h"
#include "tickets/TicketDates.h"
#include "tickets/TicketGame.h"
#include "tickets/TicketReports.h"

#include <algorithm>
#include <utility>

namespace vantorel {

namespace {

std::string HistoryWord(bool dated) {
    return dated ? "dated" : "undated";
}

// Why a history could not be checked: the file could not be read, or it holds no such history.
Refusal HistoryMissing(int gameType, bool dated, int loadStatus) {
    if (loadStatus == kHistoryNotOpened) {
        return Refusal{"VTRMAIN.DAT could not be read: the tickets were not checked."};
    }
    return Refusal{"VTRMAIN.DAT holds no " + HistoryWord(dated) + ' ' + std::string(GameOf(gameType).title) +
                       " history to check the tickets against.",
                   NoticeKind::Warning};
}

template <class Table> Outcome<DrawingsToCheck> Checked(Table& table, int gameType, bool dated, int status) {
    if (status != kSectionLoaded) {
        return HistoryMissing(gameType, dated, status);
    }
    return DrawingsOf(table);
}

} // namespace

Outcome<DrawingsToCheck> DrawingsOfHistory(int gameType, bool dated, const GameSettings& settings,
                                           const HistoryText& history) {
    const int section = SectionNumber(gameType, dated);
    if (gameType == kPowerball) {
        PowerballDrawTable table(dated);
        const int status = table.Load(settings.powerballBalls, history);
        return Checked(table, gameType, dated, status);
    }
    if (IsDigitGame(gameType)) {
        DigitDrawTable table(section);
        const int status = table.Load(history);
        return Checked(table, gameType, dated, status);
    }
    LottoDrawTable table(section);
    const int status = table.Load(history);
    return Checked(table, gameType, dated, status);
}

std::vector<int> DrawingDays(const DrawingsToCheck& drawings) {
    std::vector<int> days;
    days.reserve(drawings.drawings.size());
    for (const DrawingToCheck& drawing : drawings.drawings) {
        days.push_back(drawing.date);
    }
    return days;
}

DrawingsToCheck AddedDrawings(const std::vector<int>& before, const DrawingsToCheck& after) {
    std::vector<int> held = before;
    std::sort(held.begin(), held.end());
    DrawingsToCheck added{after.gameType, after.dated, {}};
    for (const DrawingToCheck& drawing : after.drawings) {
        // A drawing without a good date cannot be told from the ones held before: it is never new.
        if (drawing.date != kNoDate && !std::binary_search(held.begin(), held.end(), drawing.date)) {
            added.drawings.push_back(drawing);
        }
    }
    return added;
}

PrizesReading PrizesBeside(const std::filesystem::path& ticketsFile, const TicketGame& game,
                           std::string_view presetName, FileSystem& files) {
    const std::filesystem::path prizesFile = ticketsFile.parent_path() / kPrizesFileName;
    return ReadPrizesFile(prizesFile, game, PrizeTableFor(game, presetName), files);
}

std::optional<Notice> ProblemsNotice(const std::filesystem::path& file,
                                     const std::vector<TicketProblem>& problems) {
    if (problems.empty()) {
        return std::nullopt;
    }
    std::string text = "Lines of " + file.string() + " left out:";
    for (const TicketProblem& problem : problems) {
        text += '\n' + problem.text;
    }
    return Notice{std::move(text), NoticeKind::Warning};
}

namespace {

// The tickets file read, with its problems told; nothing when it is missing and `missingIsNothing`.
struct TicketsRead {
    std::optional<TicketsReading> reading;
    std::optional<Refusal> refusal;
};

TicketsRead ReadTickets(const std::filesystem::path& file, const TicketGame& game, bool missingIsNothing,
                        FileSystem& files) {
    std::string text;
    const ReadStatus status = files.ReadWhole(file, text, kLargestTicketsFile);
    if (status == ReadStatus::kMissing && missingIsNothing) {
        return {};
    }
    if (status == ReadStatus::kMissing) {
        return {std::nullopt, Refusal{"There is no tickets file " + file.string() +
                                      ".\nWrite your tickets there, one a line (3 11 17 21 24 + 7 for a "
                                      "Power Ball ticket), or name the file with --file FILE."}};
    }
    if (status != ReadStatus::kRead) {
        return {std::nullopt, Refusal{FileNotReadText("The tickets file", file, status)}};
    }
    return {ReadTicketsText(text, game), std::nullopt};
}

Outcome<TicketCheck> CheckRead(const TicketsFileCheck& request, const TicketGame& game,
                               TicketsReading tickets, const DrawingsToCheck& drawings, FileSystem& files) {
    const PrizesReading prizes = PrizesBeside(request.ticketsFile, game, request.presetName, files);
    Notices told;
    if (const std::optional<Notice> notice = ProblemsNotice(request.ticketsFile, tickets.problems)) {
        told.push_back(*notice);
    }
    const std::filesystem::path prizesFile = request.ticketsFile.parent_path() / kPrizesFileName;
    if (!prizes.failure.empty()) {
        told.push_back({prizes.failure + "\nThe built-in prizes are used.", NoticeKind::Warning});
    }
    if (const std::optional<Notice> notice = ProblemsNotice(prizesFile, prizes.problems)) {
        told.push_back(*notice);
    }
    Outcome<TicketCheck> check =
        CheckTickets(game, std::move(tickets.tickets), drawings, prizes.table, request.scope);
    check.Precede(told);
    return check;
}

} // namespace

Outcome<TicketCheck> CheckTicketsFile(const TicketsFileCheck& request, const TicketGame& game,
                                      const DrawingsToCheck& drawings, FileSystem& files) {
    TicketsRead read = ReadTickets(request.ticketsFile, game, false, files);
    if (read.refusal) {
        return *read.refusal;
    }
    return CheckRead(request, game, std::move(*read.reading), drawings, files);
}

Outcome<ReportLines> NewDrawingsCheck(const TicketsFileCheck& request, const TicketGame& game,
                                      const std::vector<int>& before, const DrawingsToCheck& after,
                                      FileSystem& files) {
    const DrawingsToCheck added = AddedDrawings(before, after);
    if (added.drawings.empty()) {
        return ReportLines{};
    }
    TicketsRead read = ReadTickets(request.ticketsFile, game, true, files);
    if (read.refusal) {
        return *read.refusal;
    }
    if (!read.reading) {
        return ReportLines{};
    }
    const Outcome<TicketCheck> check = CheckRead(request, game, std::move(*read.reading), added, files);
    if (check.refused()) {
        return RefusedAs<ReportLines>(check);
    }
    ReportLines lines = NewWinsLines(*check);
    lines.Append(SummaryLines(*check));
    Outcome<ReportLines> report(std::move(lines));
    report.Precede(check.notices());
    return report;
}

namespace {

std::optional<DrawingsToCheck> DatedDrawingsInHistoryFile(int gameType, const GameSettings& settings) {
    Outcome<DrawingsToCheck> drawings =
        DrawingsOfHistory(gameType, true, settings, ReadHistoryText(std::filesystem::path(kHistoryFileName)));
    return drawings ? std::optional<DrawingsToCheck>(std::move(*drawings)) : std::nullopt;
}

} // namespace

std::vector<int> DatedDaysInHistoryFile(int gameType, const GameSettings& settings) {
    const std::optional<DrawingsToCheck> drawings = DatedDrawingsInHistoryFile(gameType, settings);
    return drawings ? DrawingDays(*drawings) : std::vector<int>{};
}

Outcome<ReportLines> CheckNewDrawings(int gameType, const GameSettings& settings, std::string presetName,
                                      const std::vector<int>& before, FileSystem& files) {
    const std::optional<DrawingsToCheck> after = DatedDrawingsInHistoryFile(gameType, settings);
    if (!after) {
        return ReportLines{};
    }
    TicketsFileCheck request;
    request.presetName = std::move(presetName);
    return NewDrawingsCheck(request, TicketGameOf(gameType, settings), before, *after, files);
}

} // namespace vantorel
