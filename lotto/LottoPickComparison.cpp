// SPDX-License-Identifier: GPL-3.0-or-later
// Comparison of a file of the player's picks with a 5 Number, 6 Number or Power Ball history.

#include "lotto/LottoDrawTable.h"
#include "lotto/LottoTexts.h"
#include "lotto/PowerballDrawTable.h"
#include "store/TextLines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vantorel {

namespace {

constexpr std::size_t kPickLimit = 1000;
constexpr std::string_view kCannotOpenFile = "Can't open specified file.";
constexpr std::string_view kTooManyPicks =
    "Too many numbers in the file you specified.\nOnly the first 1000 entries will be searched.";
constexpr std::string_view kWinnerHeader = "We MAY have a WINNER here !\n";
constexpr std::string_view kNoMatches = "Sorry...No Matches Were Found.\n";

// The numbers of a pick or a drawing, sorted, so that equal keys hold the same numbers in any order.
using PickKey = std::array<int, 7>;

// The first `numbersPerPick` numbers of one line, each up to the next space (the line taken as ended by
// a space); missing ones are 0.
PickKey PickOfLine(std::string_view line, std::size_t numbersPerPick) {
    PickKey pick{};
    std::size_t taken = 0;
    std::size_t start = 0;
    for (std::size_t end = 0; end <= line.size() && taken < numbersPerPick; ++end) {
        if (end == line.size() || line[end] == ' ') {
            pick[taken++] = QueryNumber(line.substr(start, end - start));
            start = end + 1;
        }
    }
    return SortedFirst(pick, numbersPerPick);
}

// How many picks of the file hold each set of numbers: an open-addressing hash table with room for
// twice the pick limit, so that neither filling it nor looking up a drawing allocates per entry.
class PickIndex final {
public:
    PickIndex() : slots_(kSlots) {}

    void Add(const PickKey& key) {
        Slot& slot = slots_[SlotOf(key)];
        slot.key = key;
        ++slot.count;
        empty_ = false;
    }
    int Count(const PickKey& key) const { return slots_[SlotOf(key)].count; }
    bool Empty() const { return empty_; }

private:
    static constexpr std::size_t kSlots = 2048;
    struct Slot {
        PickKey key{};
        int count = 0;
    };

    // The slot that holds the key, or the free slot where it belongs.
    std::size_t SlotOf(const PickKey& key) const {
        std::uint64_t hash = 0x9e3779b97f4a7c15u;
        for (const int value : key) {
            hash = (hash ^ static_cast<std::uint32_t>(value)) * 0x100000001b3u;
        }
        std::size_t slot = static_cast<std::size_t>(hash ^ (hash >> 29)) & (kSlots - 1);
        while (slots_[slot].count != 0 && slots_[slot].key != key) {
            slot = (slot + 1) & (kSlots - 1);
        }
        return slot;
    }

    std::vector<Slot> slots_;
    bool empty_ = true;
};
static_assert(kPickLimit * 2 <= 2048, "the pick index keeps at least half of its slots free");

Outcome<PickIndex> ReadPickIndex(const std::filesystem::path& fileName, std::size_t numbersPerPick) {
    // A folder, device or pipe, or a read error, is as unusable as a file that cannot be opened.
    const PickFileLines lines = ReadPickFile(fileName, kPickLimit);
    if (!lines.opened) {
        return Refusal{std::string(kCannotOpenFile), NoticeKind::Plain};
    }
    Notices notices;
    if (lines.moreLines) {
        notices.push_back({std::string(kTooManyPicks)});
    }
    PickIndex index;
    for (const std::string& line : lines.lines) {
        index.Add(PickOfLine(line, numbersPerPick));
    }
    Outcome<PickIndex> read(std::move(index));
    read.Precede(notices);
    return read;
}

void AppendJoined(std::string& line, const int* first, const int* last) {
    for (const int* value = first; value != last; ++value) {
        if (value != first) {
            line += ' ';
        }
        AppendNumber(line, *value);
    }
}

void AppendFoundOn(std::string& line, DisplayDateWriter& dates, const std::string& storedDate) {
    line += " was found on ";
    if (!dates.Append(line, storedDate)) {
        line += storedDate;
    }
    line += '\n';
}

// Reports each drawing once for every pick that holds exactly its values. `valuesOf(row)` gives the
// values of a drawing (PickKey, unsorted, `numbersPerPick` of them), `appendLine(report, row)` adds its
// report line.
template <typename ValuesOf, typename AppendLine>
Outcome<std::string> Compare(const std::filesystem::path& fileName, int drawings, std::size_t numbersPerPick,
                             Notices& notices, ValuesOf valuesOf, AppendLine appendLine) {
    const Outcome<PickIndex> index = ReadPickIndex(fileName, numbersPerPick);
    if (index.refused()) {
        return RefusedAs<std::string>(index);
    }
    AddNotices(notices, index.notices());
    std::string lines;
    for (int row = 0; row < drawings && !index->Empty(); ++row) {
        const int matches = index->Count(SortedFirst(valuesOf(row), numbersPerPick));
        for (int i = 0; i < matches; ++i) {
            appendLine(lines, row);
        }
    }
    Outcome<std::string> compared(lines.empty() ? std::string(kNoMatches)
                                                : std::string(kWinnerHeader) + lines);
    compared.Precede(notices);
    return compared;
}

} // namespace

Outcome<std::string> LottoDrawTable::ComparePicks(const std::filesystem::path& fileName) const {
    const auto balls = static_cast<std::size_t>(ballsPerDrawing());
    const auto valuesOf = [&](int row) {
        PickKey values{};
        std::copy_n(numbers[static_cast<std::size_t>(row)].begin(), balls, values.begin());
        return values;
    };
    Notices notices;
    DisplayDateWriter dateWriter(notices);
    const auto appendLine = [&](std::string& report, int row) {
        const LottoRow& values = numbers[static_cast<std::size_t>(row)];
        AppendJoined(report, values.data(), values.data() + balls);
        if (dated) {
            AppendFoundOn(report, dateWriter, Date(row));
        } else {
            report += gameType() == kFiveNumber ? " was found.\n" : " was found !\n";
        }
    };
    return Compare(fileName, count(), balls, notices, valuesOf, appendLine);
}

Outcome<std::string> PowerballDrawTable::ComparePicks(const std::filesystem::path& fileName) const {
    const auto firstGroup = static_cast<std::size_t>(ballsPerDrawing);
    // The first-group balls, then the Power Ball.
    const auto valuesOf = [&](int row) {
        PickKey values{};
        std::copy_n(numbers[static_cast<std::size_t>(row)].begin(), firstGroup, values.begin());
        values[firstGroup] = PowerBall(row);
        return values;
    };
    Notices notices;
    DisplayDateWriter dateWriter(notices);
    const auto appendLine = [&](std::string& report, int row) {
        const PowerballRow& balls = numbers[static_cast<std::size_t>(row)];
        AppendJoined(report, balls.data(), balls.data() + firstGroup);
        report += " with Powerball ";
        AppendNumber(report, PowerBall(row));
        if (dated) {
            AppendFoundOn(report, dateWriter, Date(row));
        } else {
            report += " was found in the Undated Data.\n";
        }
    };
    return Compare(fileName, count(), firstGroup + 1, notices, valuesOf, appendLine);
}

} // namespace vantorel
