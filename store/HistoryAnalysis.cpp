// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryAnalysis.h"

#include "platform/GameSettings.h"
#include "platform/PlainDecimal.h"
#include "store/CalendarDates.h"
#include "store/DataImport.h"
#include "store/DrawingCheck.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/SectionEdit.h"
#include "store/TextLines.h"
#include "store/TokenCursor.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>

namespace vantorel {

namespace {

constexpr std::array<std::string_view, kSectionCount> kSectionNames = {
    " 3 Number Undated game data", " 3 Number Dated game data",   " 4 Number Undated game data",
    " 4 Number Dated game data",   " 5 Number Undated game data", " 5 Number Dated game data",
    " 6 Number Undated game data", " 6 Number Dated game data",   " Powerball Undated game data",
    " Powerball Dated game data"};

constexpr std::string_view kFreeOfErrors = " was found and appears to be free of errors.";
constexpr std::string_view kHasErrors = " was found and appears to have the following ERRORS:";
constexpr std::string_view kBadCharactersLine = " *** ONE OR MORE BAD CHARACTERS WERE FOUND IN THE DATA";
constexpr std::string_view kOutOfRangeLine = " *** ONE OR MORE OUT OF RANGE NUMBERS WERE FOUND IN THE DATA";
constexpr std::string_view kCountMismatchLine =
    " *** THE NUMBER OF DRAWS DOES NOT AGREE WITH THE ACTUAL COUNT";
constexpr std::string_view kDateErrorLine = " *** ONE OR MORE OF THE DATES HAS AN ERROR";

// An undated line may hold this many numbers before the analysis gives up, or a full history's worth
// when that is more.
constexpr long long kTokenLimit = 3700;
// More section lines than any history has (ten sections, a few kept twice): the analysis gives up there,
// as it does for a line with too many numbers, so that the table stays small.
constexpr std::size_t kMostSectionLines = 1000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlankOnly(std::string_view text) {
    return text.find_first_not_of(" \t\r") == std::string_view::npos;
}

bool HasBadCharacters(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return !IsDigit(c) && c != ' ' && c != '/'; });
}

// The section number that heads a line: the digits of its first word, or for a word that does not start
// with a digit the value of its first character read as a digit.
int HeadMarker(std::string_view firstWord) {
    if (firstWord.empty() || !IsDigit(firstWord.front())) {
        return firstWord.empty() ? -1 : firstWord.front() - '0';
    }
    long long value = 0;
    for (std::size_t i = 0; i < firstWord.size() && IsDigit(firstWord[i]); ++i) {
        value = std::min<long long>(value * 10 + (firstWord[i] - '0'), INT_MAX);
    }
    return static_cast<int>(value);
}

// The highest value a number may have at `position` within a drawing's numbers (the lowest is 0).
struct NumberLimits {
    int section = 0;
    int numbers = 1;
    GameSettings settings;

    int HighestAt(int position) const {
        switch (GameOfSection(section)) {
        case kThreeNumber:
            return 999;
        case kFourNumber:
            return 9999;
        case kFiveNumber:
            return settings.fiveNumberMax;
        case kSixNumber:
            return settings.sixNumberMax;
        default:
            return position == numbers - 1 ? settings.powerballGroup2Max : settings.powerballGroup1Max;
        }
    }

    bool OutOfRange(std::string_view token, int position) const {
        const int value = LeadingWholeNumber(token).value_or(0);
        const bool digitGame = GameOfSection(section) <= kFourNumber;
        return value > HighestAt(position) || (digitGame && value < 0);
    }
};

struct LineFindings {
    bool outOfRange = false;
    int drawings = 0;
    bool partialDrawing = false;
    bool dateError = false;
    bool tooMuchData = false; // an undated line with more numbers than the limit: the rest was not read
};

// Walks the drawings' words one by one, so that a line of any length needs no more memory than a word.
LineFindings CheckUndatedDrawings(TokenCursor& words, const NumberLimits& limits, std::size_t tokenLimit) {
    LineFindings findings;
    const auto numbers = static_cast<std::size_t>(limits.numbers);
    std::size_t count = 0;
    for (std::string_view word = words.NextWord(); !word.empty(); word = words.NextWord()) {
        findings.outOfRange =
            findings.outOfRange || limits.OutOfRange(word, static_cast<int>(count % numbers));
        if (++count > tokenLimit) {
            findings.tooMuchData = true;
            return findings;
        }
    }
    findings.drawings = static_cast<int>(count / numbers);
    findings.partialDrawing = count % numbers != 0;
    return findings;
}

LineFindings CheckDatedDrawings(TokenCursor& words, const NumberLimits& limits) {
    LineFindings findings;
    const std::size_t perDrawing = static_cast<std::size_t>(limits.numbers) + 1;
    std::size_t inDrawing = 0; // words of the current drawing read so far
    for (std::string_view word = words.NextWord(); !word.empty(); word = words.NextWord()) {
        if (inDrawing == 0) {
            findings.dateError = findings.dateError || DateHasError(word);
        } else {
            findings.outOfRange =
                findings.outOfRange || limits.OutOfRange(word, static_cast<int>(inDrawing - 1));
        }
        if (++inDrawing == perDrawing) {
            ++findings.drawings;
            inDrawing = 0;
        }
    }
    findings.partialDrawing = inDrawing != 0;
    return findings;
}

// Names the errors of every drawing of a section line: a date that is no day of the calendar, a word that
// is no number, a number out of range, a ball twice in its group, a drawing short of words; and a count
// that differs from the drawings the line holds. Sets the record's date and range flags for what it finds.
void NameErrors(std::string_view text, const NumberLimits& limits, const GameSettings& settings,
                NamedError place, SectionCheck& record, std::vector<NamedError>& named) {
    const auto name = [&](int position, std::string problem) {
        place.position = position;
        place.problem = std::move(problem);
        named.push_back(place);
    };
    const int section = limits.section;
    const int gameType = GameOfSection(section);
    const bool dated = IsDatedSection(section);
    const int wordsPerDrawing = limits.numbers + (dated ? 1 : 0);
    TokenCursor words(text);
    words.NextWord(); // the section number
    const std::string_view countWord = words.NextWord();
    std::vector<std::string_view> drawing;
    std::vector<std::string_view> numbers;
    int position = 0;
    const auto check = [&] {
        ++position;
        if (static_cast<int>(drawing.size()) < wordsPerDrawing) {
            name(position, "only " + std::to_string(drawing.size()) + " of the " +
                               std::to_string(wordsPerDrawing) + " words of a drawing");
            return;
        }
        if (dated && !IsStoredCalendarDate(drawing.front())) {
            record.dateError = kFlagSet;
            name(position, "date " + std::string(drawing.front()) + " is not a date");
            return;
        }
        numbers.assign(drawing.begin() + (dated ? 1 : 0), drawing.end());
        NumbersCheck found = CheckNumbers(gameType, numbers, settings);
        if (found.fault == NumbersFault::kOutOfRange) {
            record.outOfRange = kFlagSet;
        }
        if (found.fault != NumbersFault::kNone) {
            name(position, std::move(found.text));
        }
    };
    for (std::string_view word = words.NextWord(); !word.empty(); word = words.NextWord()) {
        drawing.push_back(word);
        if (static_cast<int>(drawing.size()) == wordsPerDrawing) {
            check();
            drawing.clear();
        }
    }
    const int whole = position;
    if (!drawing.empty()) {
        check();
    }
    int count = 0;
    if (!WholeNumberOf(countWord, count) || count != whole) {
        name(0, "the count says " + (countWord.empty() ? std::string("nothing") : std::string(countWord)) +
                    ", the line holds " + std::to_string(whole) + (whole == 1 ? " drawing" : " drawings"));
    }
}

int Flag(bool set) {
    return set ? kFlagSet : kFlagClear;
}

// Examines one section line into its record, and names its errors. False when the line holds too much
// data to go on.
bool CheckLine(std::string_view text, const GameSettings& settings, NamedError place, SectionCheck& record,
               std::vector<NamedError>& named, Notices& notices) {
    TokenCursor words(text);
    const int marker = HeadMarker(words.NextWord());
    if (marker < 0 || marker >= kSectionCount) {
        record.state = kIllegalSection;
        record.badCharacters = marker;
        return true;
    }
    record.state = marker;
    record.badCharacters = Flag(HasBadCharacters(text));
    const std::string_view countWord = words.NextWord();
    const int gameType = GameOfSection(marker);
    const NumberLimits limits{marker, NumbersPerDrawing(gameType, settings), settings};
    const long long fullHistory = static_cast<long long>(CapacityOfGame(gameType)) * limits.numbers;
    const auto tokenLimit = static_cast<std::size_t>(std::max(kTokenLimit, fullHistory));
    const LineFindings findings = IsDatedSection(marker) ? CheckDatedDrawings(words, limits)
                                                         : CheckUndatedDrawings(words, limits, tokenLimit);
    record.outOfRange = Flag(findings.outOfRange);
    if (findings.tooMuchData) {
        // The numbers up to the one that passed the limit have been checked; the count has not.
        notices.push_back({std::string(kTooMuchData), NoticeKind::Error});
        return false;
    }
    record.dateError = Flag(findings.dateError);
    const bool countMissing = countWord.empty();
    record.countMismatch =
        Flag(countMissing || findings.partialDrawing || findings.drawings != PlainDecimal(countWord));
    place.section = marker;
    NameErrors(text, limits, settings, place, record, named);
    return true;
}

bool AnyErrorFlag(const SectionCheck& record) {
    return record.badCharacters == kFlagSet || record.outOfRange == kFlagSet ||
           record.countMismatch == kFlagSet || record.dateError == kFlagSet;
}

void ReportRecord(const SectionCheck& record, ReportLines& lines) {
    if (record.state == kIllegalSection) {
        lines.OpenLine()
            .append(" *** AN ILLEGAL ENTRY HEAD MARKER NUMBERED ")
            .append(std::to_string(record.badCharacters))
            .append(" WAS ENCOUNTERED");
        lines.EndLine();
        return;
    }
    if (record.state < 0 || record.state >= kSectionCount) {
        return;
    }
    const std::string_view name = kSectionNames[static_cast<std::size_t>(record.state)];
    lines.OpenLine().append(name).append(AnyErrorFlag(record) ? kHasErrors : kFreeOfErrors);
    lines.EndLine();
    if (!AnyErrorFlag(record)) {
        return;
    }
    const std::array<std::pair<int, std::string_view>, 4> errors = {
        {{record.badCharacters, kBadCharactersLine},
         {record.outOfRange, kOutOfRangeLine},
         {record.countMismatch, kCountMismatchLine},
         {record.dateError, kDateErrorLine}}};
    for (const auto& [flag, line] : errors) {
        if (flag == kFlagSet) {
            lines.Add(line);
        }
    }
}

} // namespace

std::string NamedErrorLine(const NamedError& error) {
    std::string line = HistoryName(error.section);
    if (!error.inUse) {
        line.append(" (line ").append(std::to_string(error.line)).append(", not in use)");
    }
    if (error.position > 0) {
        line.append(", drawing ").append(std::to_string(error.position));
    }
    return line.append(": ").append(error.problem);
}

bool FoundErrors(const CheckTable& table) {
    return !table.named.empty() ||
           std::any_of(table.records.begin(), table.records.end(), [](const SectionCheck& record) {
               return record.state == kIllegalSection ||
                      (record.state >= 0 && record.state < kSectionCount && AnyErrorFlag(record));
           });
}

Outcome<CheckTable> AnalyseHistoryFile(const GameSettings& settings, FileSystem& files) {
    std::string history;
    const ReadStatus read = ReadHistoryFile(files, std::filesystem::path(kHistoryFileName), history);
    if (read != ReadStatus::kRead) {
        Outcome<CheckTable> outcome{CheckTable{}};
        outcome.Tell({ReadFailureMessage(read, kHistoryLabel, kCantOpenForAnalysis), NoticeKind::Error});
        return outcome;
    }
    return AnalyseHistoryText(history, settings);
}

Outcome<CheckTable> AnalyseHistoryText(std::string_view history, const GameSettings& settings) {
    CheckTable table;
    Notices notices;
    const auto ended = [&table, &notices] {
        Outcome<CheckTable> outcome(std::move(table));
        outcome.Precede(notices);
        return outcome;
    };
    LineCursor lines(history);
    int lineNumber = 0;
    for (std::string_view line; lines.Next(line);) {
        ++lineNumber;
        if (IsBlankOnly(line)) {
            continue;
        }
        if (table.records.size() == kMostSectionLines) {
            notices.push_back({std::string(kTooMuchData), NoticeKind::Error});
            return ended();
        }
        SectionCheck& record = table.records.emplace_back();
        NamedError place;
        place.line = lineNumber;
        const std::optional<int> section = SectionOfLine(line);
        const std::optional<std::string_view> inUse =
            section ? FindSectionLine(history, *section) : std::optional<std::string_view>{};
        place.inUse = inUse && inUse->data() == line.data();
        if (!CheckLine(line, settings, place, record, table.named, notices)) {
            return ended();
        }
    }
    table.wholeFile = true;
    return ended();
}

ReportLines ShowAnalysisReport(const CheckTable& table) {
    ReportLines lines;
    for (const SectionCheck& record : table.records) {
        ReportRecord(record, lines);
    }
    for (const NamedError& error : table.named) {
        lines.Add(NamedErrorLine(error));
    }
    return lines;
}

} // namespace vantorel
