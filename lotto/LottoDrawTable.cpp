// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/LottoDrawTable.h"

#include "lotto/LottoReports.h"
#include "lotto/LottoTexts.h"
#include "platform/GameSettings.h"
#include "store/CalendarDates.h"
#include "store/SectionReader.h"

#include <algorithm>

namespace vantorel {

namespace {

constexpr std::size_t kSevenBallCount = 7;
// A partial query reads at most this many numbers.
constexpr int kPartialReadLimit = 5;

std::string_view MaximumTooLargeMessage(int gameType) {
    return gameType == kFiveNumber
               ? "Present 5 Ball Game maximum is Too Large.\nCannot continue...Operation Aborted."
               : "Present 6 Ball Game maximum is Too Large.\nCannot continue...Operation Aborted.";
}

bool HasDuplicates(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    return std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end();
}

// The counts that SevenBalls takes, in the order it lists them: the seven smallest counts above 0
// (overdue) or the seven largest counts above 0, largest first (hottest).
std::vector<int> SevenCounts(std::vector<int> sortedCounts, PickMode mode) {
    std::sort(sortedCounts.begin(), sortedCounts.end());
    const auto firstDrawn =
        std::find_if(sortedCounts.begin(), sortedCounts.end(), [](int c) { return c > 0; });
    std::vector<int> drawn(firstDrawn, sortedCounts.end());
    if (mode == PickMode::Hottest) {
        std::reverse(drawn.begin(), drawn.end());
    }
    drawn.resize(std::min(drawn.size(), kSevenBallCount));
    return drawn;
}

} // namespace

LottoDrawTable::LottoDrawTable(int sectionNumber)
    : section(sectionNumber >= 4 && sectionNumber <= 7 ? sectionNumber : 4) {
    dated = IsDatedSection(section);
}

int LottoDrawTable::Load(const std::filesystem::path& historyFile) {
    return Load(ReadHistoryText(historyFile));
}

int LottoDrawTable::Load(const HistoryText& history) {
    const int balls = ballsPerDrawing();
    SectionContent content;
    loadStatus = ParseSection(history, {section, balls, capacity(), dated}, content);
    numbers.assign(static_cast<std::size_t>(content.count), LottoRow{});
    for (std::size_t row = 0; row < numbers.size(); ++row) {
        for (int ball = 0; ball < balls; ++ball) {
            numbers[row][static_cast<std::size_t>(ball)] =
                content.numbers[row * static_cast<std::size_t>(balls) + static_cast<std::size_t>(ball)];
        }
    }
    dates = std::move(content.dates);
    return loadStatus;
}

int LottoDrawTable::GameMaximum(const GameSettings& settings) const {
    return gameType() == kFiveNumber ? settings.fiveNumberMax : settings.sixNumberMax;
}

int LottoDrawTable::Ball(int row, int position) const {
    if (row < 0 || row >= count() || position < 0 || position >= ballsPerDrawing()) {
        return 0;
    }
    return numbers[static_cast<std::size_t>(row)][static_cast<std::size_t>(position)];
}

const std::string& LottoDrawTable::Date(int row) const {
    static const std::string kNoDate;
    if (row < 0 || row >= static_cast<int>(dates.size())) {
        return kNoDate;
    }
    return dates[static_cast<std::size_t>(row)];
}

std::vector<int> LottoDrawTable::SortedBalls(int row) const {
    if (row < 0 || row >= count()) {
        return {};
    }
    const auto balls = static_cast<std::size_t>(ballsPerDrawing());
    const LottoRow sorted = SortedFirst(numbers[static_cast<std::size_t>(row)], balls);
    return {sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(balls)};
}

std::vector<int> LottoDrawTable::CountBalls(int maximum) const {
    const int highest = std::max(TallyLimit(), std::clamp(maximum, 0, kHighestBallSetting));
    std::vector<int> ballCounts(static_cast<std::size_t>(highest) + 1, 0);
    const auto balls = static_cast<std::size_t>(ballsPerDrawing());
    for (const LottoRow& row : numbers) {
        for (std::size_t position = 0; position < balls; ++position) {
            const int ball = row[position];
            if (ball >= 1 && ball < static_cast<int>(ballCounts.size())) {
                ++ballCounts[static_cast<std::size_t>(ball)];
            }
        }
    }
    return ballCounts;
}

void LottoDrawTable::CountEvenOdd(int& oddCount, int& evenCount) const {
    const auto balls = static_cast<std::size_t>(ballsPerDrawing());
    for (const LottoRow& row : numbers) {
        for (std::size_t position = 0; position < balls; ++position) {
            if (row[position] % 2 != 0) {
                ++oddCount;
            } else {
                ++evenCount;
            }
        }
    }
}

void LottoDrawTable::CountHighLow(int& highCount, int& lowCount, int maximum) const {
    const int half = maximum / 2;
    const auto balls = static_cast<std::size_t>(ballsPerDrawing());
    for (const LottoRow& row : numbers) {
        for (std::size_t position = 0; position < balls; ++position) {
            if (row[position] <= half) {
                ++lowCount;
            } else {
                ++highCount;
            }
        }
    }
}

Outcome<std::string> LottoDrawTable::SevenBalls(PickMode mode, const GameSettings& settings) const {
    if (GameMaximum(settings) > TallyLimit()) {
        return Refusal{std::string(MaximumTooLargeMessage(gameType())), NoticeKind::Plain};
    }
    std::vector<int> tally = CountBalls(TallyLimit());
    std::string text;
    for (const int wanted : SevenCounts(tally, mode)) {
        const auto found = std::find(tally.begin() + 1, tally.end(), wanted);
        text += std::to_string(found - tally.begin()) + ' ';
        *found = 0;
    }
    return text;
}

Outcome<std::string> LottoDrawTable::FindDate(std::string_view dateText, Notices& notices) const {
    // A date of the wrong length is told so, then refused as invalid.
    const Outcome<std::string> stored = ToStoredDate(dateText);
    AddNotices(notices, stored.notices());
    const std::string wanted = stored ? *stored : std::string(dateText);
    if (DateHasError(wanted)) {
        return Refusal{std::string(kInvalidDate), NoticeKind::Plain};
    }
    const int wantedKey = DateKey(wanted);
    for (int row = 0; row < count(); ++row) {
        if (!IsComparableDate(Date(row)) || DateKey(Date(row)) != wantedKey) {
            continue;
        }
        std::string line = " The Numbers drawn on  ";
        AppendDisplayDate(line, Date(row), notices);
        line += "  were  ";
        for (const int ball : SortedBalls(row)) {
            AppendNumber(line, ball);
            line += "  ";
        }
        return line;
    }
    const Outcome<std::string> display = ToDisplayDate(wanted);
    return display ? *display : wanted;
}

Outcome<std::vector<int>> LottoDrawTable::FindDateRange(std::string_view fromText, std::string_view toText,
                                                        Notices& notices) const {
    const Outcome<std::string> storedFrom = ToStoredDate(fromText);
    const Outcome<std::string> storedTo = ToStoredDate(toText);
    AddNotices(notices, storedFrom.notices());
    AddNotices(notices, storedTo.notices());
    const std::string from = storedFrom ? *storedFrom : std::string(fromText);
    const std::string to = storedTo ? *storedTo : std::string(toText);
    if (DateHasError(from) || DateHasError(to)) {
        return Refusal{std::string(kInvalidDate), NoticeKind::Plain};
    }
    const int fromKey = DateKey(from);
    const int toKey = DateKey(to);
    std::vector<int> rows;
    rows.reserve(numbers.size());
    for (int row = 0; row < count(); ++row) {
        const std::string& date = Date(row);
        if (!IsComparableDate(date)) {
            continue;
        }
        const int key = DateKey(date);
        if (key >= fromKey && key <= toKey) {
            rows.push_back(row);
        }
    }
    return rows;
}

bool LottoDrawTable::BallInRange(int number, const GameSettings& settings) const {
    return number >= 0 && number <= GameMaximum(settings);
}

Outcome<MatchList> LottoDrawTable::FindNumbers(std::string_view queryText,
                                               const GameSettings& settings) const {
    const std::string text = std::string(queryText) + ' ';
    std::string_view rest = text;
    std::vector<int> query;
    for (int i = 0; i < ballsPerDrawing(); ++i) {
        if (std::optional<Refusal> refusal = ReadQueryBall(rest, settings, query)) {
            return std::move(*refusal);
        }
    }
    if (HasDuplicates(query)) {
        return Refusal{std::string(kDuplicateBalls), NoticeKind::Plain};
    }
    MatchList matchList;
    // The query's numbers are distinct, so a drawing matches when its balls, sorted, are the sorted query.
    std::sort(query.begin(), query.end());
    const auto balls = static_cast<std::size_t>(ballsPerDrawing());
    for (int row = 0; row < count(); ++row) {
        const LottoRow sorted = SortedFirst(numbers[static_cast<std::size_t>(row)], balls);
        if (std::equal(query.begin(), query.end(), sorted.begin(),
                       sorted.begin() + static_cast<std::ptrdiff_t>(balls))) {
            AppendMatch(matchList, row);
        }
    }
    return matchList;
}

std::optional<Refusal> LottoDrawTable::ReadQueryBall(std::string_view& rest, const GameSettings& settings,
                                                     std::vector<int>& query) const {
    const std::optional<std::string_view> piece = NextPiece(rest);
    if (!piece) {
        return Refusal{std::string(kQueryParseError), NoticeKind::Plain};
    }
    query.push_back(QueryNumber(*piece));
    if (!BallInRange(query.back(), settings)) {
        return Refusal{std::string(kBallAboveLimit), NoticeKind::Plain};
    }
    return std::nullopt;
}

Outcome<MatchList> LottoDrawTable::FindPartial(std::string_view queryText,
                                               const GameSettings& settings) const {
    // Every number is read up to the space that ends it; the space after the last one is added here, so
    // a lone number of any length reads like the others.
    const std::string text = std::string(queryText) + ' ';
    std::string_view rest = text;
    std::vector<int> query;
    while (static_cast<int>(query.size()) < kPartialReadLimit && rest.size() >= 2) {
        if (std::optional<Refusal> refusal = ReadQueryBall(rest, settings, query)) {
            return std::move(*refusal);
        }
    }
    const int tooMany = gameType() == kSixNumber ? 5 : 4;
    if (static_cast<int>(query.size()) == tooMany) {
        return Refusal{std::string(kTooManyPartialNumbers), NoticeKind::Plain};
    }
    if (HasDuplicates(query)) {
        return Refusal{std::string(kDuplicateBalls), NoticeKind::Plain};
    }
    MatchList matchList;
    if (query.empty()) {
        return matchList;
    }
    for (int row = 0; row < count(); ++row) {
        const LottoRow& balls = numbers[static_cast<std::size_t>(row)];
        const auto end = balls.begin() + ballsPerDrawing();
        const bool holdsAll = std::all_of(query.begin(), query.end(), [&](int number) {
            return std::find(balls.begin(), end, number) != end;
        });
        if (holdsAll) {
            AppendMatch(matchList, row);
        }
    }
    return matchList;
}

} // namespace vantorel
