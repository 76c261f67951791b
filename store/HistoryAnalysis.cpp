#include "store/HistoryAnalysis.h"

#include "platform/GameSettings.h"
#include "platform/PlainDecimal.h"
#include "store/CalendarDates.h"
#include "store/DataImport.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
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

int Flag(bool set) {
    return set ? kFlagSet : kFlagClear;
}

// Examines one section line into its record. False when the line holds too much data to go on.
bool CheckLine(std::string_view text, const GameSettings& settings, SectionCheck& record, Notices& notices) {
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

bool FoundErrors(const CheckTable& table) {
    return std::any_of(table.records.begin(), table.records.end(), [](const SectionCheck& record) {
        return record.state == kIllegalSection ||
               (record.state >= 0 && record.state < kSectionCount && AnyErrorFlag(record));
    });
}

Outcome<CheckTable> AnalyseHistoryFile(const GameSettings& settings, FileSystem& files) {
    CheckTable table;
    Notices notices;
    const auto ended = [&table, &notices] {
        Outcome<CheckTable> outcome(std::move(table));
        outcome.Precede(notices);
        return outcome;
    };
    std::string history;
    const ReadStatus read = ReadHistoryFile(files, std::filesystem::path(kHistoryFileName), history);
    if (read != ReadStatus::kRead) {
        notices.push_back({ReadFailureMessage(read, kHistoryLabel, kCantOpenForAnalysis), NoticeKind::Error});
        return ended();
    }
    LineCursor lines(history);
    for (std::string_view line; lines.Next(line);) {
        if (IsBlankOnly(line)) {
            continue;
        }
        if (table.records.size() == kMostSectionLines) {
            notices.push_back({std::string(kTooMuchData), NoticeKind::Error});
            return ended();
        }
        SectionCheck& record = table.records.emplace_back();
        if (!CheckLine(line, settings, record, notices)) {
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
    return lines;
}

} // namespace vantorel
