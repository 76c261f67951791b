// SPDX-License-Identifier: GPL-3.0-or-later
#include "digit/DigitCompare.h"

#include "digit/DigitText.h"
#include "platform/PlainDecimal.h"
#include "store/DisplayDateWriter.h"
#include "store/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vantorel {

namespace {

constexpr std::string_view kCannotOpen = "Can't open specified file.";
constexpr std::string_view kTooManyPicks =
    "Too many numbers in the file you specified.\nOnly the first 1000 entries will be searched.";
constexpr std::string_view kWinner = "We MAY have a WINNER here !\n";
constexpr std::string_view kNoMatches = "Sorry...No Matches Were Found.\n";

// Appends the match line of one drawing, once for each pick that names it.
void AppendMatchLines(std::string& report, const DigitDrawTable& table, std::size_t entry, std::size_t picks,
                      DisplayDateWriter& dates) {
    const std::size_t lineStart = report.size();
    digit_detail::AppendDecimal(report, table.numbers[entry]);
    if (table.dated) {
        report += "  came in on  ";
        const std::string_view storedDate =
            entry < table.dates.size() ? std::string_view(table.dates[entry]) : std::string_view();
        if (!dates.Append(report, storedDate)) {
            report += storedDate; // shown as stored after ToDisplayDate's message
        }
    } else {
        report += "  was found.";
    }
    report += '\n';
    const std::size_t lineLength = report.size() - lineStart;
    // Room first, so that repeating the line reads from storage that stays in place.
    report.reserve(report.size() + lineLength * (picks - 1));
    for (std::size_t i = 1; i < picks; ++i) {
        report.append(report.data() + lineStart, lineLength);
    }
}

// How many picks name each number: a count per number of the game, and the few picks outside its numbers
// (a hand-edited file) kept sorted apart.
class PickCounts final {
public:
    PickCounts(const std::vector<std::string>& lines, int numberRange)
        : counts_(static_cast<std::size_t>(numberRange), 0) {
        for (const std::string& line : lines) {
            const int pick = PlainDecimal(line);
            if (InRange(pick)) {
                ++counts_[static_cast<std::size_t>(pick)];
            } else {
                outside_.push_back(pick);
            }
        }
        std::sort(outside_.begin(), outside_.end());
    }

    std::size_t Naming(int number) const {
        if (InRange(number)) {
            return counts_[static_cast<std::size_t>(number)];
        }
        const auto [first, last] = std::equal_range(outside_.begin(), outside_.end(), number);
        return static_cast<std::size_t>(last - first);
    }

private:
    bool InRange(int number) const {
        return number >= 0 && static_cast<std::size_t>(number) < counts_.size();
    }

    std::vector<std::uint16_t> counts_; // at most kPickFileLimit picks name one number
    std::vector<int> outside_;
};
static_assert(kPickFileLimit <= 65535, "a pick count fits its counter");

} // namespace

Outcome<std::string> ComparePickFile(const DigitDrawTable& table, const std::filesystem::path& pickFile) {
    // A folder, device or pipe, or a read error, is as unusable as a file that cannot be opened.
    const PickFileLines lines = ReadPickFile(pickFile, static_cast<std::size_t>(kPickFileLimit));
    if (!lines.opened) {
        return Refusal{std::string(kCannotOpen), NoticeKind::Plain};
    }
    Notices notices;
    if (lines.moreLines) {
        notices.push_back({std::string(kTooManyPicks)});
    }
    // Every pick equal to a drawn number gives one line for that drawing, so the picks are counted per
    // number and each drawing looks up how many picks name it, instead of walking all picks per drawing.
    const PickCounts picks(lines.lines, table.numberRange());
    std::string report(kWinner);
    const std::size_t headingSize = report.size();
    {
        DisplayDateWriter dates(notices);
        for (std::size_t entry = 0; entry < table.numbers.size(); ++entry) {
            if (const std::size_t naming = picks.Naming(table.numbers[entry]); naming > 0) {
                AppendMatchLines(report, table, entry, naming, dates);
            }
        }
    }
    Outcome<std::string> compared(report.size() == headingSize ? std::string(kNoMatches) : std::move(report));
    compared.Precede(notices);
    return compared;
}

} // namespace vantorel
