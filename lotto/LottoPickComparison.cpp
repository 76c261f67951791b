// Comparison of a file of the player's picks with a 5 Number, 6 Number or Power Ball history.

#include "lotto/LottoDrawTable.h"
#include "lotto/LottoTexts.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <optional>

namespace vantorel {

namespace {

constexpr std::size_t kPickLimit = 1000;
constexpr std::string_view kCannotOpenFile = "Can't open specified file.";
constexpr std::string_view kFileInputError = "File Input ERROR";
constexpr std::string_view kTooManyPicks =
    "Too many numbers in the file you specified.\nOnly the first 1000 entries will be searched.";
constexpr std::string_view kWinnerHeader = "We MAY have a WINNER here !\n";
constexpr std::string_view kNoMatches = "Sorry...No Matches Were Found.\n";

// The numbers of a pick or a drawing, sorted, so that equal keys hold the same numbers in any order.
using PickKey = std::array<int, 7>;

PickKey KeyOf(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    PickKey key{};
    std::copy_n(values.begin(), std::min(values.size(), key.size()), key.begin());
    return key;
}

// The first `numbersPerPick` numbers of one line, each up to the next space; missing ones are 0.
std::vector<int> PickOfLine(const std::string& line, std::size_t numbersPerPick) {
    const std::string text = line + ' ';
    std::string_view rest = text;
    std::vector<int> pick;
    while (pick.size() < numbersPerPick) {
        const std::optional<std::string_view> piece = NextPiece(rest);
        if (!piece) {
            break;
        }
        pick.push_back(QueryNumber(*piece));
    }
    pick.resize(numbersPerPick, 0);
    return pick;
}

// The picks of the file as sorted keys with how often each occurs, sorted for lookup; nothing when the
// file cannot be opened.
std::optional<std::vector<std::pair<PickKey, int>>> ReadPickIndex(const std::filesystem::path& fileName,
                                                                  std::size_t numbersPerPick) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        MessageBox(kCannotOpenFile);
        return std::nullopt;
    }
    std::vector<PickKey> keys;
    std::string line;
    while (std::getline(file, line)) {
        if (keys.size() == kPickLimit) {
            MessageBox(kTooManyPicks);
            break;
        }
        keys.push_back(KeyOf(PickOfLine(line, numbersPerPick)));
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::pair<PickKey, int>> index;
    for (const PickKey& key : keys) {
        if (index.empty() || index.back().first != key) {
            index.emplace_back(key, 0);
        }
        ++index.back().second;
    }
    return index;
}

int PicksMatching(const std::vector<std::pair<PickKey, int>>& index, const PickKey& key) {
    const auto found =
        std::lower_bound(index.begin(), index.end(), key,
                         [](const auto& entry, const PickKey& wanted) { return entry.first < wanted; });
    return found != index.end() && found->first == key ? found->second : 0;
}

std::string JoinedNumbers(const std::vector<int>& values) {
    std::string text;
    for (const int value : values) {
        text += (text.empty() ? "" : " ") + std::to_string(value);
    }
    return text;
}

std::string DisplayedDate(const std::string& storedDate) {
    return DisplayDateOf(storedDate).value_or(storedDate);
}

// Reports each drawing once for every pick that holds exactly its values. `drawing(row)` gives the
// values of a drawing in stored order, `lineOf(row, values)` its report line.
std::string Compare(const std::filesystem::path& fileName, int drawings, std::size_t numbersPerPick,
                    const std::function<std::vector<int>(int)>& drawing,
                    const std::function<std::string(int, const std::vector<int>&)>& lineOf) {
    const auto index = ReadPickIndex(fileName, numbersPerPick);
    if (!index) {
        return std::string(kFileInputError);
    }
    std::string lines;
    for (int row = 0; row < drawings && !index->empty(); ++row) {
        const std::vector<int> values = drawing(row);
        const int matches = PicksMatching(*index, KeyOf(values));
        for (int i = 0; i < matches; ++i) {
            lines += lineOf(row, values);
        }
    }
    return lines.empty() ? std::string(kNoMatches) : std::string(kWinnerHeader) + lines;
}

} // namespace

std::string LottoDrawTable::ComparePicks(const std::filesystem::path& fileName) const {
    const auto balls = static_cast<std::size_t>(ballsPerDrawing());
    const auto drawing = [&](int row) {
        const LottoRow& values = numbers[static_cast<std::size_t>(row)];
        return std::vector<int>(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(balls));
    };
    const auto lineOf = [&](int row, const std::vector<int>& values) {
        if (dated) {
            return JoinedNumbers(values) + " was found on " + DisplayedDate(Date(row)) + "\n";
        }
        return JoinedNumbers(values) + (gameType() == kFiveNumber ? " was found.\n" : " was found !\n");
    };
    return Compare(fileName, count(), balls, drawing, lineOf);
}

std::string PowerballDrawTable::ComparePicks(const std::filesystem::path& fileName) const {
    const auto firstGroup = static_cast<std::size_t>(ballsPerDrawing);
    // The first-group balls, then the Power Ball.
    const auto drawing = [&](int row) {
        const PowerballRow& balls = numbers[static_cast<std::size_t>(row)];
        std::vector<int> values(balls.begin(), balls.begin() + static_cast<std::ptrdiff_t>(firstGroup));
        values.push_back(PowerBall(row));
        return values;
    };
    const auto lineOf = [&](int row, const std::vector<int>& values) {
        const std::vector<int> firstBalls(values.begin(), values.end() - 1);
        const std::string found =
            JoinedNumbers(firstBalls) + " with Powerball " + std::to_string(values.back());
        return dated ? found + " was found on " + DisplayedDate(Date(row)) + "\n"
                     : found + " was found in the Undated Data.\n";
    };
    return Compare(fileName, count(), firstGroup + 1, drawing, lineOf);
}

} // namespace vantorel
