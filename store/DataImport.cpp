// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DataImport.h"

#include "platform/GameSettings.h"
#include "store/CalendarDates.h"
#include "store/DrawingCheck.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/SectionEdit.h"
#include "store/TextLines.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vantorel {

namespace {

constexpr int kProgressStep = 25;

bool IsTokenCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '/';
}

// Appends the tokens of `text` (runs of digits and "/") to `tokens`, until `tokens` holds `most`.
void CollectTokens(std::string_view text, std::vector<std::string_view>& tokens, std::size_t most) {
    std::size_t position = 0;
    while (position < text.size() && tokens.size() < most) {
        while (position < text.size() && !IsTokenCharacter(text[position])) {
            ++position;
        }
        const std::size_t start = position;
        while (position < text.size() && IsTokenCharacter(text[position])) {
            ++position;
        }
        if (position > start) {
            tokens.push_back(text.substr(start, position - start));
        }
    }
}

// The tokens of whole drawings, `perDrawing` tokens each, at most `mostDrawings` drawings (the caller
// asks for one more than a history holds, to see that the file holds too many). Unfiltered, the tokens
// run on across lines and a last incomplete drawing is dropped; filtered, each line gives the first
// `perDrawing` tokens it holds, or nothing when it holds fewer.
std::vector<std::string_view> DrawingTokens(std::string_view text, std::size_t perDrawing, bool filter,
                                            std::size_t mostDrawings) {
    const std::size_t mostTokens = perDrawing * mostDrawings;
    std::vector<std::string_view> tokens;
    if (!filter) {
        CollectTokens(text, tokens, mostTokens);
        tokens.resize(tokens.size() - tokens.size() % perDrawing);
        return tokens;
    }
    std::vector<std::string_view> lineTokens;
    LineCursor lines(text);
    for (std::string_view line; tokens.size() < mostTokens && lines.Next(line);) {
        lineTokens.clear();
        CollectTokens(line, lineTokens, perDrawing);
        if (lineTokens.size() == perDrawing) {
            tokens.insert(tokens.end(), lineTokens.begin(), lineTokens.end());
        }
    }
    return tokens;
}

// A digit-game number without its leading zeros. A token that begins with "0" is taken to its first
// `width` characters (007 is 7, 0123 is 123 for the 4 Number game, 000 is 0); others stay as they are.
std::string_view NormalisedDigitNumber(std::string_view token, std::size_t width) {
    if (token.empty() || token.front() != '0') {
        return token;
    }
    const std::string_view head = token.substr(0, width);
    const std::size_t firstNonZero = head.find_first_not_of('0');
    return firstNonZero == std::string_view::npos ? head.substr(head.size() - 1) : head.substr(firstNonZero);
}

struct ImportShape {
    int section = 0;
    int capacity = 0;
    std::size_t numbers = 1;    // numbers per drawing
    std::size_t perDrawing = 1; // tokens per drawing: the numbers, and the date of a dated drawing
    bool dated = false;
    bool digitGame = true;
    std::size_t digitWidth = 3;
    int gameType = 0;
};

ImportShape ShapeOf(int gameType, bool dated, const GameSettings& settings) {
    ImportShape shape;
    shape.section = SectionNumber(gameType, dated);
    shape.capacity = CapacityOfGame(gameType);
    shape.numbers = static_cast<std::size_t>(NumbersPerDrawing(gameType, settings));
    shape.perDrawing = shape.numbers + (dated ? 1 : 0);
    shape.dated = dated;
    shape.digitGame = IsDigitGame(gameType);
    shape.digitWidth = static_cast<std::size_t>(GameOf(gameType).digits);
    shape.gameType = gameType;
    return shape;
}

// kFailed and kDateError: a message says why.
enum class BuildResult { kBuilt, kFailed, kDateError, kTooMany, kCancelled, kBadDrawing };

// Appends a blank and the stored form of a display-form date, as ToStoredDate converts it, without a
// text of its own for every drawing. A date of the wrong length goes to ToStoredDate, whose message says so.
bool AppendStoredDate(std::string_view date, std::string& line, Notices& notices) {
    if (date.size() != 8) {
        AddNotices(notices, ToStoredDate(date).notices());
        return false;
    }
    line += ' ';
    line.append(date.substr(6, 2))
        .append(1, '/')
        .append(date.substr(0, 2))
        .append(1, '/')
        .append(date.substr(3, 2));
    return true;
}

// Appends the drawings of `tokens` to `line`, each token after one blank.
BuildResult WriteDrawings(const std::vector<std::string_view>& tokens, const ImportShape& shape,
                          const ProgressLight& progress, std::string& line, Notices& notices) {
    const bool countNumbers = !shape.digitGame && !shape.dated;
    std::size_t blinkCounter = 0;
    // False once the progress light asks to stop.
    const auto blink = [&] {
        const bool goOn = !progress || blinkCounter % kProgressStep != 0 || progress();
        ++blinkCounter;
        return goOn;
    };
    for (std::size_t first = 0; first < tokens.size(); first += shape.perDrawing) {
        std::size_t next = first;
        if (shape.dated && !AppendStoredDate(tokens[next++], line, notices)) {
            return BuildResult::kDateError;
        }
        for (; next < first + shape.perDrawing; ++next) {
            if (countNumbers && !blink()) {
                return BuildResult::kCancelled;
            }
            line += ' ';
            if (!shape.digitGame) {
                line += StoredLottoNumber(tokens[next]);
            } else if (shape.dated) {
                line += NormalisedDigitNumber(tokens[next], shape.digitWidth);
            } else {
                line += NormalisedDigitNumber(tokens[next].substr(0, shape.digitWidth), shape.digitWidth);
            }
        }
        if (!countNumbers && !blink()) {
            return BuildResult::kCancelled;
        }
    }
    return BuildResult::kBuilt;
}

// The number of the line of `text` on which `token` (a view into it) stands.
int LineOfToken(std::string_view text, std::string_view token) {
    const auto offset = static_cast<std::size_t>(token.data() - text.data());
    return static_cast<int>(
               std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n')) +
           1;
}

// The number of a digit-game token as the import writes it.
std::string_view WrittenDigitNumber(std::string_view token, const ImportShape& shape) {
    return NormalisedDigitNumber(shape.dated ? token : token.substr(0, shape.digitWidth), shape.digitWidth);
}

// Checks every drawing as the results import and manual entry do: a date that is a day of the calendar,
// numbers within the maximums in force, no ball twice in its group. The first drawing that breaks a rule
// is named with its line in `problem`. A date of the wrong length is left to the writing, which names it.
bool DrawingsAreSound(std::string_view text, const std::vector<std::string_view>& tokens,
                      const ImportShape& shape, const GameSettings& settings, std::string& problem) {
    std::vector<std::string_view> numbers;
    for (std::size_t first = 0; first < tokens.size(); first += shape.perDrawing) {
        std::size_t next = first;
        std::string found;
        if (shape.dated) {
            const std::string_view date = tokens[next++];
            const Outcome<std::string> stored = ToStoredDate(date);
            if (stored.refused()) {
                return true;
            }
            if (!IsStoredCalendarDate(*stored)) {
                found = "the date " + std::string(date) + " is not a day of the calendar";
            }
        }
        numbers.clear();
        for (; next < first + shape.perDrawing; ++next) {
            numbers.push_back(shape.digitGame ? WrittenDigitNumber(tokens[next], shape)
                                              : StoredLottoNumber(tokens[next]));
        }
        if (found.empty()) {
            found = NumbersProblem(shape.gameType, numbers, settings);
        }
        if (!found.empty()) {
            problem = "Line " + std::to_string(LineOfToken(text, tokens[first])) +
                      " of the import file: " + found + ".\n" + std::string(kNothingChanged);
            return false;
        }
    }
    return true;
}

// The section line for the import text, without line end.
BuildResult BuildSectionLine(std::string_view text, const ImportShape& shape, const GameSettings& settings,
                             bool filter, const ProgressLight& progress, std::string& line,
                             Notices& notices) {
    const auto mostDrawings = static_cast<std::size_t>(shape.capacity) + 1;
    const std::vector<std::string_view> tokens = DrawingTokens(text, shape.perDrawing, filter, mostDrawings);
    if (tokens.empty()) {
        notices.push_back({std::string(kFileIsEmpty), NoticeKind::Error});
        return BuildResult::kFailed;
    }
    const std::size_t drawings = tokens.size() / shape.perDrawing;
    if (drawings > static_cast<std::size_t>(shape.capacity)) {
        return BuildResult::kTooMany;
    }
    if (std::string problem; !DrawingsAreSound(text, tokens, shape, settings, problem)) {
        notices.push_back({std::move(problem), NoticeKind::Error});
        return BuildResult::kBadDrawing;
    }
    line = std::to_string(shape.section);
    line += ' ';
    line += std::to_string(drawings);
    line.reserve(line.size() + text.size() + tokens.size());
    return WriteDrawings(tokens, shape, progress, line, notices);
}

// MassageNewData, with a file that holds too many drawings told apart from the other failures.
BuildResult MassageIntoLine(const std::filesystem::path& importFile, int gameType, bool dated,
                            const ProgressLight& progress, bool filterImport, const GameSettings& settings,
                            std::string& line, FileSystem& files, Notices& notices) {
    line.clear();
    if (gameType < kThreeNumber || gameType > kPowerball) {
        notices.push_back({std::string(kIllegalGameType), NoticeKind::Error});
        return BuildResult::kFailed;
    }
    const Outcome<std::string> text = ReadImportFile(importFile, files);
    if (text.refused()) {
        AddNotices(notices, text.notices());
        return BuildResult::kFailed;
    }
    return BuildSectionLine(*text, ShapeOf(gameType, dated, settings), settings, filterImport, progress, line,
                            notices);
}

// The common course of both imports: the import file becomes one section line, and
// `plan(sectionLine, history, notes, newHistory)` decides the new history with it (see ChangeHistory; a
// missing history reads as empty when `missingIsEmpty`). A failed massage is refused with
// `massageFailure` after its own message, a file with too many drawings with the history-full message.
template <typename Plan>
Outcome<ChangeOutcome> ImportSectionLine(const std::filesystem::path& importFile, int gameType, bool dated,
                                         const ProgressLight& progress, bool filterImport,
                                         const GameSettings& settings, FileSystem& files,
                                         std::string_view massageFailure, bool missingIsEmpty, Plan plan,
                                         ChangeNotes notes = {}) {
    std::string sectionLine;
    Notices told;
    const auto refuse = [&told](std::string message) {
        Outcome<ChangeOutcome> refused(Refusal{std::move(message)});
        return std::move(refused.Precede(told));
    };
    switch (MassageIntoLine(importFile, gameType, dated, progress, filterImport, settings, sectionLine, files,
                            told)) {
    case BuildResult::kBuilt:
        break;
    case BuildResult::kFailed:
        return refuse(std::string(massageFailure));
    case BuildResult::kDateError:
        return refuse(std::string(kDateStringError));
    case BuildResult::kTooMany:
        return refuse(HistoryFullMessage(CapacityOfGame(gameType)));
    case BuildResult::kCancelled:
        return refuse(std::string(kImportCancelled));
    case BuildResult::kBadDrawing: {
        // The message naming the drawing is the refusal itself.
        Outcome<ChangeOutcome> refused(Refusal{told.back().text});
        told.pop_back();
        return std::move(refused.Precede(told));
    }
    }
    const std::string_view line(sectionLine);
    return ChangeHistory(
        files, missingIsEmpty,
        [&](std::string_view history, ChangeNotes& planNotes, std::string& newHistory) {
            return plan(line, history, planNotes, newHistory);
        },
        std::move(notes));
}

// "12 drawings" (or "1 drawing"), the count of a section line.
std::string DrawingsText(std::string_view sectionLine) {
    const std::optional<SectionLineParts> parts = SplitSectionLine(sectionLine);
    const int count = parts ? CountValue(parts->count) : 0;
    return std::to_string(count) + (count == 1 ? " drawing" : " drawings");
}

// What the consent to a new import over `lines` lines of its history is known by.
std::string ExistingLinesQuestion(int lines) {
    return "existing section lines: " + std::to_string(lines);
}

} // namespace

std::string ImportTooLargeMessage(const std::filesystem::path& importFile) {
    return "The file " + importFile.string() + "\nis too large to import (more than " +
           std::to_string(kLargestImportFile) + " bytes).\nA full history is far smaller.";
}

std::string_view StoredLottoNumber(std::string_view number) {
    std::size_t zeros = 0;
    while (zeros + 1 < number.size() && number[zeros] == '0' && number[zeros + 1] >= '0' &&
           number[zeros + 1] <= '9') {
        ++zeros;
    }
    return number.substr(zeros);
}

int PowerballBallsPerDrawing(const GameSettings& settings) {
    return std::clamp(settings.powerballBalls, 0, kMaxPowerballBalls);
}

GameSettingKeys SettingsOfDrawingShape(int gameType) {
    return GameOf(gameType).drawingShape;
}

GameSettingKeys SettingsOfImport(int gameType) {
    return GameOf(gameType).drawingShape | GameOf(gameType).maximums;
}

int NumbersPerDrawing(int gameType, const GameSettings& settings) {
    const int numbers = GameOf(gameType).numbersPerDrawing;
    return numbers > 0 ? numbers : PowerballBallsPerDrawing(settings) + 1;
}

Outcome<std::string> MassageNewData(const std::filesystem::path& importFile, int gameType, bool dated,
                                    const ProgressLight& progress, bool filterImport,
                                    const GameSettings& settings, FileSystem& files) {
    std::string sectionLine;
    Notices told;
    switch (MassageIntoLine(importFile, gameType, dated, progress, filterImport, settings, sectionLine, files,
                            told)) {
    case BuildResult::kBuilt:
        return sectionLine;
    case BuildResult::kTooMany:
        told.push_back({HistoryFullMessage(CapacityOfGame(gameType)), NoticeKind::Error});
        break;
    case BuildResult::kCancelled:
        told.push_back({std::string(kImportCancelled), NoticeKind::Information});
        break;
    case BuildResult::kDateError:
    case BuildResult::kFailed:
    case BuildResult::kBadDrawing:
        break;
    }
    // The last message is the refusal.
    Outcome<std::string> refused(Refusal{told.back().text, told.back().kind});
    told.pop_back();
    return std::move(refused.Precede(told));
}

Outcome<ChangeOutcome> ImportNew(const std::filesystem::path& importFile, int gameType, bool dated,
                                 const ProgressLight& progress, bool filterImport,
                                 const GameSettings& settings, const ExistingHistoryConsent& consent,
                                 FileSystem& files) {
    const int section = SectionNumber(gameType, dated);
    // Asked before anything is read or locked; under the lock the plan checks that it still holds.
    std::vector<std::string> agreed;
    if (consent) {
        const int existing = ExistingSectionLines(section, files);
        if (existing > 0 && !consent(existing)) {
            return ChangeOutcome::kDeclined;
        }
        agreed.push_back(ExistingLinesQuestion(existing));
    }
    const auto insert = [section, &consent](std::string_view sectionLine, std::string_view history,
                                            ChangeNotes& notes, std::string& newHistory) {
        const int existing = SectionLinesIn(history, section);
        if (consent && existing > 0 && !notes.Agreed({ExistingLinesQuestion(existing), [&consent, existing] {
                                                          return consent(existing);
                                                      }})) {
            return HistoryChange::kAsk;
        }
        notes.Describe("new import of " + DrawingsText(sectionLine) + " into " + HistoryName(section));
        newHistory = InsertSectionLine(history, section, sectionLine);
        return HistoryChange::kReplace;
    };
    return ImportSectionLine(importFile, gameType, dated, progress, filterImport, settings, files,
                             kDataMassageFailedNew, true, insert, ChangeNotes(std::move(agreed)));
}

Outcome<ChangeOutcome> ImportAppend(const std::filesystem::path& importFile, int gameType, bool dated,
                                    const ProgressLight& progress, bool filterImport,
                                    const GameSettings& settings, FileSystem& files) {
    const int section = SectionNumber(gameType, dated);
    const int capacity = CapacityOfGame(gameType);
    const auto append = [section, capacity](std::string_view sectionLine, std::string_view history,
                                            ChangeNotes& notes, std::string& newHistory) {
        const std::optional<SectionLineParts> parts = SplitSectionLine(sectionLine);
        if (!parts) {
            return HistoryChange::kRefused;
        }
        notes.Describe("import of " + DrawingsText(sectionLine) + " appended to " + HistoryName(section));
        // The drawings follow the count after one blank.
        const std::string_view drawings = parts->rest.empty() ? parts->rest : parts->rest.substr(1);
        return PlanAppend(history, section, CountValue(parts->count), drawings, capacity, notes, newHistory);
    };
    return ImportSectionLine(importFile, gameType, dated, progress, filterImport, settings, files,
                             kDataMassageFailedAppend, false, append);
}

Outcome<std::string> ReadImportFile(const std::filesystem::path& importFile, FileSystem& files) {
    std::string text;
    switch (files.ReadWhole(importFile, text, kLargestImportFile)) {
    case ReadStatus::kRead:
        return text;
    case ReadStatus::kTooLarge:
        return Refusal{ImportTooLargeMessage(importFile)};
    case ReadStatus::kReadFailed:
        return Refusal{NotReadMessage(importFile.string())};
    case ReadStatus::kLinkLoop:
        return Refusal{std::string(kUnableToOpen) + importFile.string() + "\n\n" +
                       std::string(kLinkLoopCause)};
    case ReadStatus::kMissing:
    case ReadStatus::kNotOpened:
    case ReadStatus::kNotAFile:
        break;
    }
    return Refusal{std::string(kUnableToOpen) + importFile.string()};
}

int ExistingSectionLines(int section, FileSystem& files) {
    std::string history;
    if (ReadHistoryFile(files, std::filesystem::path(kHistoryFileName), history) != ReadStatus::kRead) {
        return 0;
    }
    return SectionLinesIn(history, section);
}

int SectionLinesIn(std::string_view history, int section) {
    int existing = 0;
    LineCursor lines(history);
    for (std::string_view line; lines.Next(line);) {
        existing += SectionOfLine(line) == section ? 1 : 0;
    }
    return existing;
}

} // namespace vantorel
