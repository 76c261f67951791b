// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/PowerballDrawTable.h"

#include "lotto/LottoTexts.h"
#include "platform/GameSettings.h"
#include "store/CalendarDates.h"
#include "store/SectionReader.h"

#include <algorithm>
#include <optional>
#include <string>

namespace vantorel {

namespace {

constexpr std::size_t kGroupListLength = 8;

// A share in whole percent: the per-mille value truncated, then rounded half up. Nothing for 0 / 0.
std::optional<int> RoundedPercent(long long part, long long whole) {
    if (whole <= 0) {
        return std::nullopt;
    }
    const auto perMille =
        static_cast<long long>(static_cast<double>(part) * 1000.0 / static_cast<double>(whole));
    return static_cast<int>(perMille / 10 + (perMille % 10 > 4 ? 1 : 0));
}

// The two shares of a group as shown: the complement first, then the counted share; 0 and 0 for a
// group without balls.
std::pair<int, int> ShownShares(long long part, long long whole) {
    const std::optional<int> percent = RoundedPercent(part, whole);
    return percent ? std::pair{100 - *percent, *percent} : std::pair{0, 0};
}

// Slots 0 up to the larger of 68 and the group's maximum, which is never beyond what a setting accepts.
std::vector<int> TallyOf(int maximum) {
    return std::vector<int>(static_cast<std::size_t>(
                                std::max(kPowerballTallyLimit, std::clamp(maximum, 0, kHighestBallSetting))) +
                                1,
                            0);
}

// Counts a ball in its slot; ball 0 and values outside the slots are not counted.
void CountBall(std::vector<int>& counts, int ball) {
    if (ball >= 1 && ball < static_cast<int>(counts.size())) {
        ++counts[static_cast<std::size_t>(ball)];
    }
}

// The balls 1..maximum drawn at least once, ranked by count (fewest first for overdue, most first for
// hottest), ties to the lower number; at most eight.
std::vector<int> RankGroup(const std::vector<int>& counts, int maximum, PickMode mode) {
    std::vector<int> balls;
    for (int ball = 1; ball <= maximum && ball < static_cast<int>(counts.size()); ++ball) {
        if (counts[static_cast<std::size_t>(ball)] > 0) {
            balls.push_back(ball);
        }
    }
    const auto countOf = [&](int ball) {
        return counts[static_cast<std::size_t>(ball)];
    };
    std::stable_sort(balls.begin(), balls.end(), [&](int a, int b) {
        return mode == PickMode::Overdue ? countOf(a) < countOf(b) : countOf(a) > countOf(b);
    });
    balls.resize(std::min(balls.size(), kGroupListLength));
    return balls;
}

std::string NotEnoughBallsMessage(bool dated, int firstGroupBalls) {
    if (!dated) {
        return "Not Enough Balls in Query.\n\nThis function matches All Balls\nIncluding the Powerball.";
    }
    return "Not Enough Balls in Query.\n\nThis function requires  All  " +
           std::to_string(firstGroupBalls + 1) + "\nBalls including the Powerball.";
}

} // namespace

PowerballDrawTable::PowerballDrawTable(bool datedHistory) : dated(datedHistory) {}

int PowerballDrawTable::Load(int firstGroupBalls, const std::filesystem::path& historyFile) {
    return Load(firstGroupBalls, ReadHistoryText(historyFile));
}

int PowerballDrawTable::Load(int firstGroupBalls, const HistoryText& history) {
    ballsPerDrawing = std::clamp(firstGroupBalls, 0, kMaxBallsPerDrawing);
    const int perDrawing = ballsPerDrawing + 1;
    SectionContent content;
    loadStatus = ParseSection(history, {section(), perDrawing, kCapacity, dated}, content);
    numbers.assign(static_cast<std::size_t>(content.count), PowerballRow{});
    powerBalls.assign(static_cast<std::size_t>(content.count), 0);
    for (std::size_t row = 0; row < numbers.size(); ++row) {
        const auto first = row * static_cast<std::size_t>(perDrawing);
        for (int ball = 0; ball < ballsPerDrawing; ++ball) {
            numbers[row][static_cast<std::size_t>(ball)] =
                content.numbers[first + static_cast<std::size_t>(ball)];
        }
        powerBalls[row] = content.numbers[first + static_cast<std::size_t>(ballsPerDrawing)];
    }
    dates = std::move(content.dates);
    return loadStatus;
}

int PowerballDrawTable::Ball(int row, int position) const {
    if (row < 0 || row >= count() || position < 0 || position >= ballsPerDrawing) {
        return 0;
    }
    return numbers[static_cast<std::size_t>(row)][static_cast<std::size_t>(position)];
}

int PowerballDrawTable::PowerBall(int row) const {
    if (row < 0 || row >= static_cast<int>(powerBalls.size())) {
        return 0;
    }
    return powerBalls[static_cast<std::size_t>(row)];
}

const std::string& PowerballDrawTable::Date(int row) const {
    static const std::string kNoDate;
    if (row < 0 || row >= static_cast<int>(dates.size())) {
        return kNoDate;
    }
    return dates[static_cast<std::size_t>(row)];
}

std::vector<int> PowerballDrawTable::CountBalls(int maximum) const {
    std::vector<int> counts = TallyOf(maximum);
    for (const PowerballRow& row : numbers) {
        for (int position = 0; position < ballsPerDrawing; ++position) {
            CountBall(counts, row[static_cast<std::size_t>(position)]);
        }
    }
    return counts;
}

std::vector<int> PowerballDrawTable::CountPowerBalls(int maximum) const {
    std::vector<int> counts = TallyOf(maximum);
    for (const int ball : powerBalls) {
        CountBall(counts, ball);
    }
    return counts;
}

std::string PowerballDrawTable::ShareText(int kind, const GameSettings& settings) const {
    if (kind != kShareEvenOdd && kind != kShareHighLow) {
        return "Error in Analysis";
    }
    // Odd balls (Even - Odd) or balls strictly below half the group's maximum (High - Low).
    const int firstHalf = settings.powerballGroup1Max / 2;
    const int powerHalf = settings.powerballGroup2Max / 2;
    const auto counted = [kind](int ball, int half) {
        return kind == kShareEvenOdd ? ball % 2 != 0 : ball < half;
    };
    long long firstCounted = 0;
    long long powerCounted = 0;
    for (int row = 0; row < count(); ++row) {
        for (int position = 0; position < ballsPerDrawing; ++position) {
            firstCounted += counted(Ball(row, position), firstHalf) ? 1 : 0;
        }
        powerCounted += counted(PowerBall(row), powerHalf) ? 1 : 0;
    }
    const auto [firstShown, firstCountedShown] =
        ShownShares(firstCounted, static_cast<long long>(ballsPerDrawing) * count());
    const auto [powerShown, powerCountedShown] = ShownShares(powerCounted, count());
    const std::string_view upper = kind == kShareEvenOdd ? "Even" : "High";
    const std::string_view lower = kind == kShareEvenOdd ? "Odd" : "Low";
    const auto share = [](int percent) {
        return std::to_string(percent) + '%';
    };
    return "Group 1 Balls are  " + share(firstShown) + "  " + std::string(upper) + "  -  " +
           share(firstCountedShown) + "  " + std::string(lower) + "  :  Powerballs are  " +
           share(powerShown) + "  " + std::string(upper) + "  -  " + share(powerCountedShown) + "  " +
           std::string(lower) + ".";
}

void PowerballDrawTable::SevenPerGroup(std::vector<int>& firstOut, std::vector<int>& powerOut, PickMode mode,
                                       const GameSettings& settings) const {
    firstOut = RankGroup(CountBalls(settings.powerballGroup1Max), settings.powerballGroup1Max, mode);
    powerOut = RankGroup(CountPowerBalls(settings.powerballGroup2Max), settings.powerballGroup2Max, mode);
}

Outcome<std::vector<int>> PowerballDrawTable::FindDrawDate(std::string_view dateText) const {
    const Outcome<std::string> wanted = ToStoredDate(dateText);
    if (wanted.refused()) {
        return RefusedAs<std::vector<int>>(wanted);
    }
    const int wantedKey = DateKey(*wanted);
    for (int row = 0; row < count(); ++row) {
        if (IsComparableDate(Date(row)) && DateKey(Date(row)) == wantedKey) {
            std::vector<int> record;
            for (int position = 0; position < ballsPerDrawing; ++position) {
                record.push_back(Ball(row, position));
            }
            record.push_back(PowerBall(row));
            return record;
        }
    }
    return std::vector<int>{};
}

MatchList PowerballDrawTable::FindDrawRange(std::string_view fromText, std::string_view toText,
                                            Notices& notices) const {
    const Outcome<std::string> storedFrom = ToStoredDate(fromText);
    const Outcome<std::string> storedTo = ToStoredDate(toText);
    AddNotices(notices, storedFrom.notices());
    AddNotices(notices, storedTo.notices());
    MatchList matchList;
    if (storedFrom.refused() || storedTo.refused()) {
        return matchList;
    }
    const std::string& from = *storedFrom;
    const std::string& to = *storedTo;
    // Every drawing between the bounds counts, also when the history is not in date order.
    for (int row = 0; row < count(); ++row) {
        const std::string& date = Date(row);
        if (IsComparableDate(date) && CompareStoredDates(date, from) >= 0 &&
            CompareStoredDates(date, to) <= 0) {
            AppendMatch(matchList, row);
        }
    }
    return matchList;
}

Outcome<MatchList> PowerballDrawTable::FindDraw(std::string_view queryText) const {
    const std::string text = std::string(queryText) + ' ';
    std::string_view rest = text;
    std::vector<int> query;
    bool complete = true;
    for (int i = 0; i <= ballsPerDrawing && complete; ++i) {
        const std::optional<std::string_view> piece = NextPiece(rest);
        complete = piece && !piece->empty();
        if (complete) {
            query.push_back(QueryNumber(*piece));
        }
    }
    if (!complete || query.back() == 0) {
        return Refusal{NotEnoughBallsMessage(dated, ballsPerDrawing), NoticeKind::Plain};
    }
    const int power = query.back();
    MatchList matchList;
    for (int row = 0; row < count(); ++row) {
        const PowerballRow& balls = numbers[static_cast<std::size_t>(row)];
        if (PowerBall(row) == power &&
            std::equal(balls.begin(), balls.begin() + ballsPerDrawing, query.begin())) {
            AppendMatch(matchList, row);
        }
    }
    return matchList;
}

MatchList PowerballDrawTable::FindPartialDraw(std::string_view queryText, bool powerGiven) const {
    std::vector<int> firstGroup;
    std::optional<int> power;
    if (powerGiven && queryText.size() < 3) {
        power = QueryNumber(queryText);
    } else {
        const std::string text = std::string(queryText) + ' ';
        std::string_view rest = text;
        while (const std::optional<std::string_view> piece = NextPiece(rest)) {
            firstGroup.push_back(QueryNumber(*piece));
        }
        if (powerGiven && !firstGroup.empty()) {
            power = firstGroup.back();
            firstGroup.pop_back();
        }
    }
    MatchList matchList;
    for (int row = 0; row < count(); ++row) {
        if (power && PowerBall(row) != *power) {
            continue;
        }
        const PowerballRow& balls = numbers[static_cast<std::size_t>(row)];
        const auto end = balls.begin() + ballsPerDrawing;
        const bool holdsAll = std::all_of(firstGroup.begin(), firstGroup.end(), [&](int number) {
            return std::find(balls.begin(), end, number) != end;
        });
        if (holdsAll) {
            AppendMatch(matchList, row);
        }
    }
    return matchList;
}

} // namespace vantorel
