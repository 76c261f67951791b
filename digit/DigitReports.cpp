#include "digit/DigitReports.h"

#include "digit/DigitText.h"
#include "platform/PlainDecimal.h"
#include "platform/SetupChoices.h"
#include "store/CalendarDates.h"
#include "store/HistoryFile.h"

#include <algorithm>

namespace vantorel {

using digit_detail::AppendDecimal;
using digit_detail::AppendPadded;

namespace {

constexpr std::string_view kNumberNotFound = " Number was not found...";
constexpr std::string_view kNoDateData = " No data found for specified date or range...";

int DigitPositionsOf(int game) {
    return game == kFourNumber ? 4 : 3;
}

bool ValidEntry(const DigitDrawTable& table, int index) {
    return index >= 0 && index < table.count();
}

std::string StoredDateOf(const DigitDrawTable& table, int index) {
    const auto i = static_cast<std::size_t>(index);
    return i < table.dates.size() ? table.dates[i] : std::string();
}

// A share in whole percent: the integer part, plus one when the fraction is above one half. An empty
// history has no share and shows 0.
int RoundedPercent(int part, int total) {
    if (total <= 0) {
        return 0;
    }
    const double percent = static_cast<double>(part) / total * 100.0;
    const double whole = static_cast<double>(static_cast<long long>(percent));
    return static_cast<int>(whole) + (percent - whole > 0.5 ? 1 : 0);
}

} // namespace

std::string PaddedNumber(int game, int number) {
    std::string text;
    AppendPadded(text, number, static_cast<std::size_t>(DigitPositionsOf(game)));
    return text;
}

std::vector<std::string> AddDigitStatisticLine(int kind, int game, const SetupChoices& choices, int drawCount,
                                               int firstCount, int secondCount) {
    if (!IsDigitGame(game) || (kind != 1 && kind != 2)) {
        return {};
    }
    const bool balls = choices[kind == 1 ? kEvenOddCountBalls : kHighLowCountBalls];
    const bool numbers = choices[kind == 1 ? kEvenOddCountNumbers : kHighLowCountNumbers];
    if (!balls && !numbers) {
        return {};
    }
    const bool byBalls = !numbers;
    const int total = byBalls ? drawCount * DigitPositionsOf(game) : drawCount;
    const std::string first = std::to_string(RoundedPercent(firstCount, total));
    const std::string second = std::to_string(RoundedPercent(secondCount, total));
    const std::string subject = byBalls ? " Balls are " : " Numbers are ";
    const std::string firstName = kind == 1 ? "% Even  -  " : "% High  -  ";
    const std::string secondName = kind == 1 ? "% Odd" : "% Low";
    return {subject + first + firstName + second + secondName};
}

std::vector<std::string> AddDigitOverdueHottestLine(int operation, std::string_view resultText) {
    if (operation == kOverdue) {
        return {std::string(" Overdue Number(s): ").append(resultText)};
    }
    if (operation == kHottest) {
        return {std::string(" Hottest Number(s): ").append(resultText)};
    }
    return {};
}

std::vector<std::string> ReportTotals(int game, const std::vector<int>& totals) {
    if (!IsDigitGame(game)) {
        return {};
    }
    const auto range = static_cast<std::ptrdiff_t>(game == kFourNumber ? 10000 : 1000);
    const auto end = totals.begin() + std::min(range, static_cast<std::ptrdiff_t>(totals.size()));
    const auto width = static_cast<std::size_t>(DigitPositionsOf(game));
    std::vector<std::string> lines;
    lines.reserve(
        static_cast<std::size_t>(std::count_if(totals.begin(), end, [](int times) { return times != 0; })));
    for (auto times = end; times-- != totals.begin();) {
        if (*times != 0) {
            std::string line;
            line.reserve(40); // one allocation for the whole line
            line += ' ';
            AppendPadded(line, static_cast<int>(times - totals.begin()), width);
            line += "  has come in  ";
            AppendDecimal(line, *times);
            line += "  time(s)";
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::vector<std::string> ReportPickedNumbers(int game, int operation, std::string_view resultText) {
    if (!IsDigitGame(game) || (operation != kOverdue && operation != kHottest)) {
        return {};
    }
    const bool hottest = operation == kHottest;
    const std::string singleHeading = hottest ? " The hottest number is  " : " The most overdue number is  ";
    const std::string tieHeading =
        hottest ? " Hottest Numbers (there were ties) are :  " : " Overdue Numbers (there were ties) are :  ";
    if (resultText.find('\n') == std::string_view::npos) {
        if (resultText.empty()) {
            return {singleHeading};
        }
        return {singleHeading + PaddedNumber(game, PlainDecimal(resultText))};
    }
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(resultText.begin(), resultText.end(), '\n')) + 1);
    lines.push_back(tieHeading);
    const auto width = static_cast<std::size_t>(DigitPositionsOf(game));
    for (std::size_t end = resultText.find('\n'); end != std::string_view::npos;
         resultText.remove_prefix(end + 1), end = resultText.find('\n')) {
        std::string line = "  ";
        AppendPadded(line, PlainDecimal(resultText.substr(0, end)), width);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> ReportNumberMatches(int game, const std::vector<int>& matchList, bool useDatedData,
                                             const DigitGameTables& tables) {
    if (!IsDigitGame(game)) {
        return {};
    }
    if (matchList.empty()) {
        return {std::string(kNumberNotFound)};
    }
    const DigitDrawTable& table = tables.Chosen(useDatedData);
    std::vector<std::string> lines;
    if (!useDatedData) {
        if (ValidEntry(table, matchList.front())) {
            lines.push_back(PaddedNumber(game, table.numbers[static_cast<std::size_t>(matchList.front())]) +
                            " was found  " + std::to_string(matchList.size()) + " times");
        }
        return lines;
    }
    for (const int index : matchList) {
        if (ValidEntry(table, index)) {
            std::string date = StoredDateOf(table, index);
            ToDisplayDate(date); // a date of the wrong length is reported there and shown as stored
            lines.push_back(PaddedNumber(game, table.numbers[static_cast<std::size_t>(index)]) +
                            " came in on " + date);
        }
    }
    return lines;
}

std::vector<std::string> ReportDateMatches(int game, const std::vector<int>& matchList,
                                           const DigitDrawTable& datedTable) {
    if (!IsDigitGame(game)) {
        return {};
    }
    if (matchList.empty()) {
        return {std::string(kNoDateData)};
    }
    std::vector<std::string> lines;
    for (const int index : matchList) {
        if (ValidEntry(datedTable, index)) {
            lines.push_back(PaddedNumber(game, datedTable.numbers[static_cast<std::size_t>(index)]) +
                            " came in on " + StoredDateOf(datedTable, index));
        }
    }
    return lines;
}

PatternReport ReportPattern(std::string_view resultText) {
    PatternReport report;
    if (resultText.empty()) {
        return report;
    }
    if (resultText.front() == 'N') {
        report.lines.emplace_back(resultText);
        return report;
    }
    report.clearList = true;
    const auto headingEnd = resultText.find('\n');
    report.lines.emplace_back(resultText.substr(0, headingEnd));
    if (headingEnd == std::string_view::npos) {
        return report;
    }
    constexpr int kHitsPerLine = 12;
    std::string line;
    int onLine = 0;
    std::string_view hits = resultText.substr(headingEnd + 1);
    while (!hits.empty()) {
        const auto wordEnd = std::min(hits.find(' '), hits.size());
        std::string hit(hits.substr(0, wordEnd));
        hits.remove_prefix(std::min(wordEnd + 1, hits.size()));
        if (hit.empty()) {
            continue;
        }
        if (hit.size() < 3) {
            hit.insert(0, 3 - hit.size(), '0');
        }
        line += hit + "  ";
        if (++onLine == kHitsPerLine) {
            report.lines.push_back(std::move(line));
            line.clear();
            onLine = 0;
        }
    }
    if (onLine > 0) {
        report.lines.push_back(std::move(line));
    }
    return report;
}

std::vector<std::string> DigitResultLines(int operation, int game, bool useDatedData,
                                          const SetupChoices& choices, const DigitGameTables& tables,
                                          const DigitOperationResult& result) {
    if (!IsDigitGame(game)) {
        return {};
    }
    switch (operation) {
    case kEvenOdd:
    case kHighLow:
        return AddDigitStatisticLine(operation == kEvenOdd ? 1 : 2, game, choices,
                                     tables.Chosen(useDatedData).count(), result.firstCount,
                                     result.secondCount);
    case kTotals:
        return ReportTotals(game, result.totals);
    case kOverdue:
    case kHottest:
        if (choices[kPredictUseNumbers]) {
            return ReportPickedNumbers(game, operation, result.resultText);
        }
        return AddDigitOverdueHottestLine(operation, result.resultText);
    case kDateSearch:
    case kDateRangeSearch:
        return ReportDateMatches(game, result.matchList, tables.dated);
    case kNumberSearch:
    case kNumberRangeSearch:
        return ReportNumberMatches(game, result.matchList, useDatedData, tables);
    default:
        // Distribution, Random and Best Guess are drawn by the chart view.
        return {};
    }
}

} // namespace vantorel
