// SPDX-License-Identifier: GPL-3.0-or-later
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

// A number given as text, with leading zeros up to `width` digits: up to nine digits alone (which no int
// overflows) are copied as they are, anything else is read as a number first.
void AppendPaddedNumberText(std::string& line, std::string_view number, std::size_t width) {
    constexpr std::size_t kSafeDigits = 9;
    bool digitsOnly = !number.empty() && number.size() <= kSafeDigits;
    std::size_t leadingZeros = 0;
    for (std::size_t i = 0; i < number.size() && digitsOnly; ++i) {
        digitsOnly = number[i] >= '0' && number[i] <= '9';
        leadingZeros += number[i] == '0' && leadingZeros == i && i + 1 < number.size() ? 1 : 0;
    }
    if (!digitsOnly) {
        AppendPadded(line, PlainDecimal(number), width);
        return;
    }
    number.remove_prefix(leadingZeros);
    line.append(number.size() < width ? width - number.size() : 0, '0').append(number);
}

} // namespace

std::string PaddedNumber(int game, int number) {
    std::string text;
    AppendPadded(text, number, static_cast<std::size_t>(DigitPositionsOf(game)));
    return text;
}

ReportLines AddDigitStatisticLine(int kind, int game, const SetupChoices& choices, int drawCount,
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
    ReportLines lines;
    std::string& line = lines.OpenLine();
    line += byBalls ? " Balls are " : " Numbers are ";
    AppendDecimal(line, RoundedPercent(firstCount, total));
    line += kind == 1 ? "% Even  -  " : "% High  -  ";
    AppendDecimal(line, RoundedPercent(secondCount, total));
    line += kind == 1 ? "% Odd" : "% Low";
    lines.EndLine();
    return lines;
}

ReportLines AddDigitOverdueHottestLine(Operation operation, std::string_view resultText) {
    if (operation != kOverdue && operation != kHottest) {
        return {};
    }
    ReportLines lines;
    lines.OpenLine()
        .append(operation == kOverdue ? " Overdue Number(s): " : " Hottest Number(s): ")
        .append(resultText);
    lines.EndLine();
    return lines;
}

ReportLines ReportTotals(int game, const std::vector<int>& totals) {
    if (!IsDigitGame(game)) {
        return {};
    }
    const auto range = static_cast<std::ptrdiff_t>(game == kFourNumber ? 10000 : 1000);
    const auto end = totals.begin() + std::min(range, static_cast<std::ptrdiff_t>(totals.size()));
    const auto width = static_cast<std::size_t>(DigitPositionsOf(game));
    const auto drawn =
        static_cast<std::size_t>(std::count_if(totals.begin(), end, [](int times) { return times != 0; }));
    // " 0123  has come in  17  time(s)": the fixed texts, the number and a count of a few digits.
    constexpr std::size_t kTotalsLineRoom = 40;
    ReportLines lines;
    lines.Reserve(drawn, drawn * kTotalsLineRoom);
    for (auto times = end; times-- != totals.begin();) {
        if (*times != 0) {
            std::string& line = lines.OpenLine();
            line += ' ';
            AppendPadded(line, static_cast<int>(times - totals.begin()), width);
            line += "  has come in  ";
            AppendDecimal(line, *times);
            line += "  time(s)";
            lines.EndLine();
        }
    }
    return lines;
}

ReportLines ReportPickedNumbers(int game, Operation operation, std::string_view resultText) {
    if (!IsDigitGame(game) || (operation != kOverdue && operation != kHottest)) {
        return {};
    }
    const bool hottest = operation == kHottest;
    const std::string_view singleHeading =
        hottest ? " The hottest number is  " : " The most overdue number is  ";
    const std::string_view tieHeading =
        hottest ? " Hottest Numbers (there were ties) are :  " : " Overdue Numbers (there were ties) are :  ";
    const auto width = static_cast<std::size_t>(DigitPositionsOf(game));
    ReportLines lines;
    if (resultText.find('\n') == std::string_view::npos) {
        std::string& line = lines.OpenLine();
        line += singleHeading;
        if (!resultText.empty()) {
            AppendPadded(line, PlainDecimal(resultText), width);
        }
        lines.EndLine();
        return lines;
    }
    const auto ties = static_cast<std::size_t>(std::count(resultText.begin(), resultText.end(), '\n'));
    lines.Reserve(ties + 1, tieHeading.size() + 1 + ties * (width + 3));
    lines.Add(tieHeading);
    // One pass over the ties: each ends with "\n" (a last piece without one is no tie).
    std::size_t start = 0;
    for (std::size_t position = 0; position < resultText.size(); ++position) {
        if (resultText[position] == '\n') {
            std::string& line = lines.OpenLine();
            line += "  ";
            AppendPaddedNumberText(line, resultText.substr(start, position - start), width);
            lines.EndLine();
            start = position + 1;
        }
    }
    return lines;
}

ReportLines ReportNumberMatches(int game, const std::vector<int>& matchList, bool useDatedData,
                                const DigitHistories& tables, Notices& notices) {
    if (!IsDigitGame(game)) {
        return {};
    }
    if (matchList.empty()) {
        return {kNumberNotFound};
    }
    const DigitDrawTable& table = tables.Chosen(useDatedData);
    const auto width = static_cast<std::size_t>(DigitPositionsOf(game));
    ReportLines lines;
    if (!useDatedData) {
        if (ValidEntry(table, matchList.front())) {
            std::string& line = lines.OpenLine();
            AppendPadded(line, table.numbers[static_cast<std::size_t>(matchList.front())], width);
            line += " was found  ";
            AppendDecimal(line, static_cast<long long>(matchList.size()));
            line += " times";
            lines.EndLine();
        }
        return lines;
    }
    for (const int index : matchList) {
        if (ValidEntry(table, index)) {
            // A date of the wrong length is shown as stored, after its message.
            const std::string stored = StoredDateOf(table, index);
            const Outcome<std::string> display = ToDisplayDate(stored);
            AddNotices(notices, display.notices());
            std::string& line = lines.OpenLine();
            AppendPadded(line, table.numbers[static_cast<std::size_t>(index)], width);
            line.append(" came in on ").append(display ? *display : stored);
            lines.EndLine();
        }
    }
    return lines;
}

ReportLines ReportDateMatches(int game, const std::vector<int>& matchList, const DigitDrawTable& datedTable) {
    if (!IsDigitGame(game)) {
        return {};
    }
    if (matchList.empty()) {
        return {kNoDateData};
    }
    const auto width = static_cast<std::size_t>(DigitPositionsOf(game));
    ReportLines lines;
    for (const int index : matchList) {
        if (ValidEntry(datedTable, index)) {
            std::string& line = lines.OpenLine();
            AppendPadded(line, datedTable.numbers[static_cast<std::size_t>(index)], width);
            line.append(" came in on ").append(StoredDateOf(datedTable, index));
            lines.EndLine();
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
        report.lines.Add(resultText);
        return report;
    }
    report.clearList = true;
    const auto headingEnd = resultText.find('\n');
    report.lines.Add(resultText.substr(0, headingEnd));
    if (headingEnd == std::string_view::npos) {
        return report;
    }
    constexpr int kHitsPerLine = 12;
    int onLine = 0;
    std::string_view hits = resultText.substr(headingEnd + 1);
    while (!hits.empty()) {
        const auto wordEnd = std::min(hits.find(' '), hits.size());
        const std::string_view hit = hits.substr(0, wordEnd);
        hits.remove_prefix(std::min(wordEnd + 1, hits.size()));
        if (hit.empty()) {
            continue;
        }
        std::string& line = report.lines.OpenLine();
        line.append(hit.size() < 3 ? 3 - hit.size() : 0, '0').append(hit).append("  ");
        if (++onLine == kHitsPerLine) {
            report.lines.EndLine();
            onLine = 0;
        }
    }
    if (onLine > 0) {
        report.lines.EndLine();
    }
    return report;
}

ReportLines DigitResultLines(Operation operation, int game, bool useDatedData, const SetupChoices& choices,
                             const DigitHistories& tables, const DigitOperationResult& result,
                             Notices& notices) {
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
        return ReportNumberMatches(game, result.matchList, useDatedData, tables, notices);
    default:
        // Distribution, Random and Best Guess are drawn by the chart view.
        return {};
    }
}

} // namespace vantorel
