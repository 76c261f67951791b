// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryRepair.h"

#include "platform/GameSettings.h"
#include "store/DataImport.h"
#include "store/HistoryFile.h"
#include "store/SectionEdit.h"
#include "store/TextLines.h"

#include <algorithm>
#include <map>

namespace vantorel {

namespace {

int WordsPerDrawing(int section, const GameSettings& settings) {
    return NumbersPerDrawing(GameOfSection(section), settings) + (IsDatedSection(section) ? 1 : 0);
}

bool SameError(const NamedError& a, const NamedError& b) {
    return a.line == b.line && a.section == b.section && a.position == b.position && a.problem == b.problem;
}

// The history with the drawings at the chosen positions of each line (by line number) removed.
std::string WithoutDrawings(std::string_view history, const std::map<int, std::vector<int>>& positionsByLine,
                            const GameSettings& settings) {
    std::string content;
    content.reserve(history.size());
    LineCursor lines(history);
    int number = 0;
    for (std::string_view line; lines.Next(line);) {
        ++number;
        const auto chosen = positionsByLine.find(number);
        const std::optional<int> section = SectionOfLine(line);
        std::optional<std::string> shorter;
        if (chosen != positionsByLine.end() && section && *section >= 0 && *section < kSectionCount) {
            shorter = LineWithoutDrawings(line, WordsPerDrawing(*section, settings), chosen->second);
        }
        content.append(shorter ? std::string_view(*shorter) : line).append(kLineEnd);
    }
    return content;
}

} // namespace

std::string NoSuchDrawingMessage(int section, int position, int held) {
    return HistoryName(section) + ": there is no drawing " + std::to_string(position) +
           " (the history holds " + std::to_string(held) + ").\n\nOPERATION ABORTED";
}

std::string RemoveDrawingQuestion(int section, int position, std::string_view drawing) {
    return "Remove drawing " + std::to_string(position) + " of the " + HistoryName(section) +
           " history?\n\n" + std::string(drawing);
}

std::string RepairQuestion(const std::vector<NamedError>& errors) {
    std::string question = "Remove these drawings from VTRMAIN.DAT?\n";
    for (const NamedError& error : errors) {
        question.append("\n").append(NamedErrorLine(error));
    }
    return question;
}

Outcome<std::string> DrawingAt(int section, int position, const GameSettings& settings, FileSystem& files) {
    std::string history;
    const ReadStatus read = ReadHistoryFile(files, std::filesystem::path(kHistoryFileName), history);
    if (read != ReadStatus::kRead) {
        return Refusal{ReadFailureMessage(read, kHistoryLabel, kUnableToOpenHistory)};
    }
    const std::optional<std::string_view> line = FindSectionLine(history, section);
    if (!line) {
        return Refusal{HistoryName(section) + ": the history is not in VTRMAIN.DAT.\n\nOPERATION ABORTED"};
    }
    const std::vector<std::string_view> drawings = DrawingsOfLine(*line, WordsPerDrawing(section, settings));
    if (position < 1 || position > static_cast<int>(drawings.size())) {
        return Refusal{NoSuchDrawingMessage(section, position, static_cast<int>(drawings.size()))};
    }
    return std::string(drawings[static_cast<std::size_t>(position - 1)]);
}

Outcome<ChangeOutcome> RemoveDrawing(int section, int position, const GameSettings& settings,
                                     const AskQuestion& ask, FileSystem& files) {
    const auto remove = [&](std::string_view history, ChangeNotes& notes, std::string& newHistory) {
        const std::optional<std::string_view> line = FindSectionLine(history, section);
        if (!line) {
            return notes.Refuse(HistoryName(section) +
                                ": the history is not in VTRMAIN.DAT.\n\nOPERATION ABORTED");
        }
        const int words = WordsPerDrawing(section, settings);
        const std::vector<std::string_view> drawings = DrawingsOfLine(*line, words);
        if (position < 1 || position > static_cast<int>(drawings.size())) {
            return notes.Refuse(NoSuchDrawingMessage(section, position, static_cast<int>(drawings.size())));
        }
        const std::string_view drawing = drawings[static_cast<std::size_t>(position - 1)];
        if (!notes.Agreed(AskedThrough(ask, Question{RemoveDrawingQuestion(section, position, drawing),
                                                     QuestionButtons::YesNo, true}))) {
            return HistoryChange::kAsk;
        }
        notes.Describe("removal of drawing " + std::to_string(position) + " from " + HistoryName(section));
        const std::optional<std::string> shorter = LineWithoutDrawings(*line, words, {position});
        newHistory = ReplaceSectionLine(history, section, shorter.value_or(std::string(*line)));
        return HistoryChange::kReplace;
    };
    return ChangeHistory(files, false, remove);
}

Outcome<ChangeOutcome> RemoveNamedDrawings(const std::vector<NamedError>& chosen,
                                           const GameSettings& settings, const AskQuestion& ask,
                                           FileSystem& files) {
    if (chosen.empty()) {
        return Refusal{std::string(kNothingToRepair), NoticeKind::Information};
    }
    const auto repair = [&](std::string_view history, ChangeNotes& notes, std::string& newHistory) {
        const Outcome<CheckTable> table = AnalyseHistoryText(history, settings);
        const std::vector<NamedError>& named = table->named;
        const bool stillNamed = std::all_of(chosen.begin(), chosen.end(), [&](const NamedError& error) {
            return std::any_of(named.begin(), named.end(),
                               [&](const NamedError& now) { return SameError(error, now); });
        });
        if (!stillNamed) {
            return notes.Refuse(std::string(kHistoryChangedSinceAnalysis));
        }
        if (!notes.Agreed(
                AskedThrough(ask, Question{RepairQuestion(chosen), QuestionButtons::YesNo, true}))) {
            return HistoryChange::kAsk;
        }
        std::map<int, std::vector<int>> positionsByLine;
        int drawings = 0;
        for (const NamedError& error : chosen) {
            std::vector<int>& positions = positionsByLine[error.line];
            if (error.position > 0 &&
                std::find(positions.begin(), positions.end(), error.position) == positions.end()) {
                positions.push_back(error.position);
                ++drawings;
            }
        }
        notes.Describe("repair removing " + std::to_string(drawings) +
                       (drawings == 1 ? " drawing" : " drawings"));
        newHistory = WithoutDrawings(history, positionsByLine, settings);
        return HistoryChange::kReplace;
    };
    return ChangeHistory(files, false, repair);
}

} // namespace vantorel
