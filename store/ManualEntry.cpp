// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ManualEntry.h"

#include "platform/GameCatalogue.h"
#include "store/CalendarDates.h"
#include "store/DataImport.h"
#include "store/DrawingCheck.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/SectionEdit.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace vantorel {

namespace {

// A digit-game number is typed with at most this many digits (0123 is the 3 Number drawing 123).
constexpr std::size_t kLongestTypedDigits = 4;
constexpr std::string_view kExampleDate = "01/02/98";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The typed numbers: runs of characters between separators (blanks and commas, or any character that is
// neither a digit nor a letter), as typed.
std::vector<std::string_view> TypedWords(std::string_view typed) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= typed.size(); ++i) {
        const bool separator =
            i == typed.size() ||
            !(IsDigit(typed[i]) || std::isalpha(static_cast<unsigned char>(typed[i])) != 0);
        if (separator) {
            if (i > start) {
                words.push_back(typed.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return words;
}

std::string Capitalised(std::string text) {
    if (!text.empty()) {
        text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    }
    return text;
}

// An example drawing of the game that fits every maximum the settings accept.
std::string ExampleNumbers(int gameType, const GameSettings& settings) {
    switch (gameType) {
    case kThreeNumber:
        return "123";
    case kFourNumber:
        return "1234";
    case kSixNumber:
        return "3 9 12 15 17 19";
    case kPowerball:
        return PowerballBallsPerDrawing(settings) == 4 ? "3 9 12 15 1" : "3 9 12 15 17 1";
    default:
        return "3 9 12 15 17";
    }
}

std::string NumbersForm(int gameType, const GameSettings& settings) {
    switch (gameType) {
    case kThreeNumber:
        return "its number from 000 to 999";
    case kFourNumber:
        return "its number from 0000 to 9999";
    case kFiveNumber:
        return "its 5 numbers from 1 to " + std::to_string(settings.fiveNumberMax);
    case kSixNumber:
        return "its 6 numbers from 1 to " + std::to_string(settings.sixNumberMax);
    default:
        return "its " + std::to_string(PowerballBallsPerDrawing(settings)) + " numbers from 1 to " +
               std::to_string(settings.powerballGroup1Max) + " and the power ball from 1 to " +
               std::to_string(settings.powerballGroup2Max);
    }
}

Refusal Wrong(std::string problem, int gameType, bool dated, const GameSettings& settings) {
    return Refusal{Capitalised(std::move(problem)) + ".\n\n" + AcceptedFormOf(gameType, dated, settings)};
}

// The stored form of a typed date, or what is wrong with it.
Outcome<std::string> CheckedDate(std::string_view typed) {
    const Outcome<std::string> stored = ToStoredDate(typed);
    if (stored.refused() || typed.find_first_not_of("0123456789/") != std::string_view::npos) {
        return Refusal{"the date " + std::string(typed) + " is not written as mm/dd/yy"};
    }
    if (!IsStoredCalendarDate(*stored)) {
        return Refusal{"the date " + std::string(typed) + " is not a day of the calendar"};
    }
    return stored;
}

// What the typed numbers are written as, or what is wrong with them.
Outcome<std::string> CheckedNumbers(std::string_view typed, int gameType, const GameSettings& settings) {
    if (typed.empty()) {
        return Refusal{"the drawing holds no numbers"};
    }
    const std::vector<std::string_view> words = TypedWords(typed);
    const auto wanted = static_cast<std::size_t>(NumbersPerDrawing(gameType, settings));
    if (IsDigitGame(gameType)) {
        if (words.size() != 1 || typed.find_first_not_of("0123456789") != std::string_view::npos ||
            words.front().size() > kLongestTypedDigits) {
            return Refusal{"\"" + std::string(typed) + "\" is not one number of at most " +
                           std::to_string(GameOf(gameType).digits) + " digits"};
        }
    } else if (words.size() != wanted) {
        return Refusal{"the drawing holds " + std::to_string(words.size()) + " numbers, not " +
                       std::to_string(wanted)};
    }
    if (const std::string problem = NumbersProblem(gameType, words, settings); !problem.empty()) {
        return Refusal{problem};
    }
    if (IsDigitGame(gameType)) {
        return std::string(words.front());
    }
    std::string numbers;
    for (const std::string_view word : words) {
        numbers.append(numbers.empty() ? "" : " ").append(StoredLottoNumber(word));
    }
    return numbers;
}

// The history's section line with its oldest drawing removed and `entry` added, when it is full.
HistoryChange PlanFullAppend(std::string_view history, int gameType, bool dated, const std::string& entry,
                             const GameSettings& settings, const AskQuestion& ask, ChangeNotes& notes,
                             std::string& newHistory) {
    const int section = SectionNumber(gameType, dated);
    const int capacity = CapacityOfGame(gameType);
    const int wordsPerDrawing = NumbersPerDrawing(gameType, settings) + (dated ? 1 : 0);
    const std::optional<std::string_view> line = FindSectionLine(history, section);
    const std::optional<SectionLineParts> parts = line ? SplitSectionLine(*line) : std::nullopt;
    // Only a whole full history makes room by its oldest drawing; one whose count says more than it holds
    // (a hand-edited file) is refused as full, as before.
    if (!parts || CountValue(parts->count) != capacity ||
        DrawingsOfLine(*line, wordsPerDrawing).size() != static_cast<std::size_t>(capacity)) {
        return notes.Refuse(HistoryFullMessage(capacity));
    }
    if (!notes.Agreed(AskedThrough(
            ask, Question{FullHistoryQuestion(gameType, dated, capacity), QuestionButtons::YesNo, true}))) {
        return HistoryChange::kAsk;
    }
    const std::vector<int> removed = {1};
    const std::optional<std::string> shorter = LineWithoutDrawings(*line, wordsPerDrawing, removed);
    if (!shorter) {
        return notes.Refuse(HistoryFullMessage(capacity));
    }
    return PlanAppend(ReplaceSectionLine(history, section, *shorter), section, 1, entry, capacity, notes,
                      newHistory);
}

} // namespace

std::string FullHistoryQuestion(int gameType, bool dated, int capacity) {
    return "The " + HistoryName(SectionNumber(gameType, dated)) + " history is full (" +
           std::to_string(capacity) + " drawings).\nRemove the oldest drawing to make room?";
}

GameSettingKeys SettingsOfManualEntry(int gameType) {
    return GameOf(gameType).drawingShape | GameOf(gameType).maximums;
}

std::string AcceptedFormOf(int gameType, bool dated, const GameSettings& settings) {
    std::string form = "A " + HistoryName(SectionNumber(gameType, dated)) + " drawing is typed as ";
    form += dated ? "its date (mm/dd/yy) and " + NumbersForm(gameType, settings)
                  : NumbersForm(gameType, settings);
    form += ", for example:\n";
    if (dated) {
        form.append(kExampleDate).append(" ");
    }
    return form + ExampleNumbers(gameType, settings);
}

Outcome<std::string> CheckedEntry(std::string_view text, int gameType, bool dated,
                                  const GameSettings& settings) {
    if (gameType < kThreeNumber || gameType > kPowerball) {
        return Refusal{std::string(kBadDataEntered)};
    }
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    text = last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
    std::string entry;
    std::string_view typedNumbers = text;
    if (dated) {
        // The date is the text before the first blank (all of it when there is none).
        const std::size_t space = text.find(' ');
        const Outcome<std::string> date = CheckedDate(text.substr(0, space));
        if (date.refused()) {
            return Wrong(date.refusal().text, gameType, dated, settings);
        }
        entry = *date + ' ';
        typedNumbers = space == std::string_view::npos ? std::string_view{} : text.substr(space + 1);
    }
    const std::size_t first = typedNumbers.find_first_not_of(' ');
    typedNumbers = first == std::string_view::npos ? std::string_view{} : typedNumbers.substr(first);
    const Outcome<std::string> numbers = CheckedNumbers(typedNumbers, gameType, settings);
    if (numbers.refused()) {
        return Wrong(numbers.refusal().text, gameType, dated, settings);
    }
    return entry += *numbers;
}

Outcome<ChangeOutcome> AppendEntry(std::string_view text, int gameType, bool dated,
                                   const GameSettings& settings, const AskQuestion& ask, FileSystem& files) {
    const Outcome<std::string> entry = CheckedEntry(text, gameType, dated, settings);
    if (entry.refused()) {
        return RefusedAs<ChangeOutcome>(entry);
    }
    const int section = SectionNumber(gameType, dated);
    const int capacity = CapacityOfGame(gameType);
    const auto append = [&](std::string_view history, ChangeNotes& notes, std::string& newHistory) {
        notes.Describe("manual entry of a drawing into " + HistoryName(section));
        if (AppendToSection(history, section, 1, *entry, capacity, newHistory) == AppendPlan::kFull) {
            return PlanFullAppend(history, gameType, dated, *entry, settings, ask, notes, newHistory);
        }
        return PlanAppend(history, section, 1, *entry, capacity, notes, newHistory);
    };
    return ChangeHistory(files, false, append);
}

} // namespace vantorel
