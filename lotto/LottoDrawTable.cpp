#include "lotto/LottoDrawTable.h"

#include "lotto/LottoReports.h"
#include "lotto/LottoTexts.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
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

std::string LottoDrawTable::SevenBalls(PickMode mode, const GameSettings& settings) const {
    if (GameMaximum(settings) > TallyLimit()) {
        MessageBox(MaximumTooLargeMessage(gameType()));
        return std::string(kSetupErrorText);
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

std::string LottoDrawTable::FindDate(std::string dateText) const {
    std::string wanted = std::move(dateText);
    ToStoredDate(wanted);
    if (DateHasError(wanted)) {
        MessageBox(kInvalidDate);
        return std::string(kDateErrorText);
    }
    const int wantedKey = DateKey(wanted);
    for (int row = 0; row < count(); ++row) {
        if (!IsComparableDate(Date(row)) || DateKey(Date(row)) != wantedKey) {
            continue;
        }
        std::string line = " The Numbers drawn on  ";
        AppendDisplayDate(line, Date(row));
        line += "  were  ";
        for (const int ball : SortedBalls(row)) {
            AppendNumber(line, ball);
            line += "  ";
        }
        return line;
    }
    ToDisplayDate(wanted);
    return wanted;
}

std::optional<std::vector<int>> LottoDrawTable::FindDateRange(std::string fromText,
                                                              std::string toText) const {
    std::string from = std::move(fromText);
    std::string to = std::move(toText);
    ToStoredDate(from);
    ToStoredDate(to);
    if (DateHasError(from) || DateHasError(to)) {
        MessageBox(kInvalidDate);
        return std::nullopt;
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

int LottoDrawTable::FindNumbers(std::string_view queryText, MatchList& matchList,
                                const GameSettings& settings) const {
    const std::string text = std::string(queryText) + ' ';
    std::string_view rest = text;
    std::vector<int> query;
    for (int i = 0; i < ballsPerDrawing(); ++i) {
        if (!ReadQueryBall(rest, settings, query)) {
            return 0;
        }
    }
    if (HasDuplicates(query)) {
        MessageBox(kDuplicateBalls);
        return 0;
    }
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
    return 1;
}

bool LottoDrawTable::ReadQueryBall(std::string_view& rest, const GameSettings& settings,
                                   std::vector<int>& query) const {
    const std::optional<std::string_view> piece = NextPiece(rest);
    if (!piece) {
        MessageBox(kQueryParseError);
        return false;
    }
    query.push_back(QueryNumber(*piece));
    if (!BallInRange(query.back(), settings)) {
        MessageBox(kBallAboveLimit);
        return false;
    }
    return true;
}

int LottoDrawTable::FindPartial(std::string_view queryText, MatchList& matchList,
                                const GameSettings& settings) const {
    // Every number is read up to the space that ends it; the space after the last one is added here, so
    // a lone number of any length reads like the others.
    const std::string text = std::string(queryText) + ' ';
    std::string_view rest = text;
    std::vector<int> query;
    while (static_cast<int>(query.size()) < kPartialReadLimit && rest.size() >= 2) {
        if (!ReadQueryBall(rest, settings, query)) {
            return 0;
        }
    }
    const int tooMany = gameType() == kSixNumber ? 5 : 4;
    if (static_cast<int>(query.size()) == tooMany) {
        MessageBox(kTooManyPartialNumbers);
        return 0;
    }
    if (HasDuplicates(query)) {
        MessageBox(kDuplicateBalls);
        return 0;
    }
    if (query.empty()) {
        return 1;
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
    return 1;
}

} // namespace vantorel
