#include "digit/DigitCompare.h"

#include "platform/MessageBox.h"
#include "platform/PlainDecimal.h"
#include "store/CalendarDates.h"

#include <algorithm>
#include <fstream>

namespace vantorel {

namespace {

constexpr std::string_view kCannotOpen = "Can't open specified file.";
constexpr std::string_view kFileInputError = "File Input ERROR";
constexpr std::string_view kTooManyPicks =
    "Too many numbers in the file you specified.\nOnly the first 1000 entries will be searched.";
constexpr std::string_view kWinner = "We MAY have a WINNER here !\n";
constexpr std::string_view kNoMatches = "Sorry...No Matches Were Found.\n";

// The picks of the file, one a line, at most kPickFileLimit of them; says so when the file holds more.
std::vector<int> ReadPicks(std::ifstream& file) {
    std::vector<int> picks;
    std::string line;
    while (std::getline(file, line)) {
        if (picks.size() == static_cast<std::size_t>(kPickFileLimit)) {
            MessageBox(kTooManyPicks);
            break;
        }
        picks.push_back(PlainDecimal(line));
    }
    return picks;
}

// The match line of one drawing of a pick.
std::string MatchLine(const DigitDrawTable& table, std::size_t entry) {
    const std::string pick = std::to_string(table.numbers[entry]);
    if (!table.dated) {
        return pick + "  was found.\n";
    }
    std::string date = entry < table.dates.size() ? table.dates[entry] : std::string();
    ToDisplayDate(date); // a date of the wrong length is reported there and shown as stored
    return pick + "  came in on  " + date + "\n";
}

} // namespace

std::string ComparePickFile(const DigitDrawTable& table, const std::filesystem::path& pickFile) {
    std::ifstream file(pickFile, std::ios::binary);
    if (!file) {
        MessageBox(kCannotOpen);
        return std::string(kFileInputError);
    }
    // Every pick equal to a drawn number gives one line for that drawing, so the picks are kept sorted
    // and each drawing looks up how many picks name it, instead of walking all picks per drawing.
    std::vector<int> picks = ReadPicks(file);
    std::sort(picks.begin(), picks.end());

    std::string matchLines;
    for (std::size_t entry = 0; entry < table.numbers.size(); ++entry) {
        const auto [first, last] = std::equal_range(picks.begin(), picks.end(), table.numbers[entry]);
        if (first == last) {
            continue;
        }
        const std::string line = MatchLine(table, entry);
        for (auto pick = first; pick != last; ++pick) {
            matchLines += line;
        }
    }
    if (matchLines.empty()) {
        return std::string(kNoMatches);
    }
    return std::string(kWinner) + matchLines;
}

} // namespace vantorel
