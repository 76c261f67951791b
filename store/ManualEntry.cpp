#include "store/ManualEntry.h"

#include "platform/GameSettings.h"
#include "store/CalendarDates.h"
#include "store/DataImport.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"

#include <optional>
#include <string>

namespace vantorel {

namespace {

// Characters that would split the stored date into two words, or its line into two lines.
constexpr std::string_view kWordBreaks = " \t\r\n\v\f";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct LengthWindow {
    std::size_t shortest;
    std::size_t longest;
};

// The lengths a lotto or Power Ball entry may have: of the numbers text when undated, of the whole typed
// text when dated. A Power Ball drawing of four first-group balls is as long as a 5 Number drawing.
LengthWindow LengthWindowOf(int section, const GameSettings& settings) {
    const bool fourBallPowerball = settings.powerballBalls == 4;
    switch (section) {
    case 4:
        return {9, 14};
    case 5:
        return {18, 23};
    case 6:
        return {11, 17};
    case 7:
        return {20, 26};
    case 8:
        return fourBallPowerball ? LengthWindow{9, 14} : LengthWindow{11, 17};
    default:
        return fourBallPowerball ? LengthWindow{18, 23} : LengthWindow{20, 26};
    }
}

// The digits of a digit-game entry, as typed, when they are all digits and their value is one the game
// draws (0123 is 123 and fits the 3 Number game).
std::optional<std::string_view> DigitNumbers(std::string_view typed, int gameType) {
    const long long highest = gameType == kFourNumber ? 9999 : 999;
    long long value = 0;
    for (const char c : typed) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > highest) {
            return std::nullopt;
        }
    }
    if (typed.empty()) {
        return std::nullopt;
    }
    return typed;
}

// The numbers of a lotto or Power Ball entry: every non-digit ends a number and stands for one blank, each
// number loses its leading zeros. Nothing unless it holds exactly `wanted` numbers.
std::optional<std::string> LottoNumbers(std::string_view typed, int wanted) {
    std::string numbers;
    std::string current;
    int found = 0;
    const auto endNumber = [&] {
        if (!current.empty()) {
            ++found;
        }
        numbers += StoredLottoNumber(current);
        current.clear();
    };
    for (const char c : typed) {
        if (IsDigit(c)) {
            current += c;
        } else {
            endNumber();
            numbers += ' ';
        }
    }
    endNumber();
    if (found != wanted) {
        return std::nullopt;
    }
    return numbers;
}

Refusal BadData() {
    return Refusal{std::string(kBadDataEntered)};
}

// The entry as it is written into the section line.
Outcome<std::string> EntryOf(std::string_view text, int gameType, bool dated, const GameSettings& settings) {
    if (gameType < kThreeNumber || gameType > kPowerball) {
        return BadData();
    }
    std::string entry;
    std::string_view typedNumbers = text;
    if (dated) {
        // The date is the text before the first blank (all of it when there is none), and its length is
        // checked first; an entry without a blank or a digit after its date has no numbers.
        const std::size_t space = text.find(' ');
        const Outcome<std::string> date = ToStoredDate(text.substr(0, space));
        if (date.refused()) {
            return RefusedAs<std::string>(date);
        }
        const std::size_t firstDigit =
            space == std::string_view::npos ? space : text.find_first_of("0123456789", space);
        if (firstDigit == std::string_view::npos || date->find_first_of(kWordBreaks) != std::string::npos) {
            return BadData();
        }
        entry = *date + ' ';
        typedNumbers = text.substr(firstDigit);
    }
    const int section = SectionNumber(gameType, dated);
    if (gameType == kThreeNumber || gameType == kFourNumber) {
        const std::optional<std::string_view> digits = DigitNumbers(typedNumbers, gameType);
        if (!digits) {
            return BadData();
        }
        return entry += *digits;
    }
    const std::optional<std::string> numbers =
        LottoNumbers(typedNumbers, NumbersPerDrawing(gameType, settings));
    const LengthWindow window = LengthWindowOf(section, settings);
    const std::size_t length = dated ? text.size() : (numbers ? numbers->size() : 0);
    if (!numbers || length < window.shortest || length > window.longest) {
        return BadData();
    }
    return entry += *numbers;
}

} // namespace

Outcome<Done> AppendEntry(std::string_view text, int gameType, bool dated, const GameSettings& settings,
                          FileSystem& files) {
    const Outcome<std::string> entry = EntryOf(text, gameType, dated, settings);
    if (entry.refused()) {
        return RefusedAs<Done>(entry);
    }
    const int section = SectionNumber(gameType, dated);
    const int capacity = CapacityOfGame(gameType);
    const auto append = [&](std::string_view history, ChangeNotes& notes, std::string& newHistory) {
        return PlanAppend(history, section, 1, *entry, capacity, notes, newHistory);
    };
    const Outcome<ChangeOutcome> change = ChangeHistory(files, false, append);
    if (change.refused()) {
        return RefusedAs<Done>(change);
    }
    return Done{};
}

} // namespace vantorel
