// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ResultsImport.h"

#include "platform/GameSettings.h"
#include "store/CalendarDates.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/KeptValidators.h"
#include "store/ResultsFile.h"
#include "store/SectionEdit.h"
#include "store/TokenCursor.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace vantorel {

namespace {

constexpr int kProgressStep = 25;
constexpr std::string_view kIllegalGameTypeForResults = "Illegal gameType parameter in ImportResults()";

std::string WithNothingChanged(std::string_view problem) {
    return std::string(problem).append("\n").append(kNothingChanged);
}

// A drawing of the history's section line, as the line writes it.
struct HeldDrawing {
    std::string_view date;
    std::string_view text; // from the date to the drawing's last number
};

// The drawings of a dated section line; nothing when the line does not hold as many as its count says.
std::optional<std::vector<HeldDrawing>> HeldDrawingsOf(std::string_view line, int numbersPerDrawing) {
    const std::optional<SectionLineParts> parts = SplitSectionLine(line);
    if (!parts) {
        return std::nullopt;
    }
    std::vector<std::string_view> words;
    TokenCursor cursor(parts->rest);
    for (std::string_view word = cursor.NextWord(); !word.empty(); word = cursor.NextWord()) {
        words.push_back(word);
    }
    const auto perDrawing = static_cast<std::size_t>(numbersPerDrawing) + 1;
    const auto count = static_cast<std::size_t>(CountValue(parts->count));
    if (words.size() != count * perDrawing) {
        return std::nullopt;
    }
    std::vector<HeldDrawing> held;
    held.reserve(count);
    for (std::size_t first = 0; first < words.size(); first += perDrawing) {
        const std::string_view date = words[first];
        const std::string_view last = words[first + perDrawing - 1];
        held.push_back(
            {date, std::string_view(date.data(),
                                    static_cast<std::size_t>(last.data() - date.data()) + last.size())});
    }
    return held;
}

// Whether a drawing the history holds has the numbers of a drawing of the file.
bool HasNumbers(const HeldDrawing& held, const ResultsDrawing& drawing, int numbersPerDrawing) {
    TokenCursor words(held.text);
    words.NextWord(); // the date
    for (int i = 0; i < numbersPerDrawing; ++i) {
        if (LeadingWholeNumber(words.NextWord()) != drawing.numbers[static_cast<std::size_t>(i)]) {
            return false;
        }
    }
    return true;
}

// The drawings of the new section line, oldest first, and what became of the file's drawings.
struct MergedSection {
    std::vector<std::string> freshTexts; // the file's drawings that the history did not hold
    std::vector<std::string_view> kept;  // the drawings of the new line
    ResultsImportCounts counts;
};

// A drawing of the merged line: one of the history's (by its index) or a fresh one of the file.
struct MergedDrawing {
    std::string_view text;
    int heldIndex = -1; // -1: from the file
};

// Places the file's new drawings (oldest first) among the held ones: each before the first held drawing
// of a later date, so a history in date order stays in date order and the held drawings keep their order.
// Then keeps the newest `capacity` of them.
MergedSection Merge(const std::vector<HeldDrawing>& held, const ResultsReading& reading,
                    int numbersPerDrawing, int capacity) {
    MergedSection merged;
    merged.counts.repeatedLines = reading.repeatedLines;
    merged.counts.passedOverLines = reading.passedOverLines;
    merged.counts.firstPassedOver = reading.firstPassedOverLine;
    merged.counts.beforeStorableYears = reading.leftOutBeforeStorableYears;
    merged.counts.beforeEra = reading.leftOutBeforeEra;
    std::unordered_map<std::string_view, int> heldByDate;
    for (std::size_t i = 0; i < held.size(); ++i) {
        heldByDate.emplace(held[i].date, static_cast<int>(i));
    }
    // The held drawings that the file gives too: whether with other numbers.
    std::vector<std::pair<int, bool>> heldAgain;
    for (const ResultsDrawing& drawing : reading.drawings) {
        const auto found = heldByDate.find(StoredDateOf(drawing));
        if (found == heldByDate.end()) {
            merged.freshTexts.push_back(SectionTextOf(drawing, numbersPerDrawing));
        } else {
            const HeldDrawing& same = held[static_cast<std::size_t>(found->second)];
            heldAgain.emplace_back(found->second, !HasNumbers(same, drawing, numbersPerDrawing));
        }
    }

    std::vector<MergedDrawing> all;
    all.reserve(held.size() + merged.freshTexts.size());
    auto fresh = merged.freshTexts.begin();
    for (std::size_t i = 0; i < held.size(); ++i) {
        for (; fresh != merged.freshTexts.end() && CompareStoredDates(*fresh, held[i].date) < 0; ++fresh) {
            all.push_back({*fresh});
        }
        all.push_back({held[i].text, static_cast<int>(i)});
    }
    for (; fresh != merged.freshTexts.end(); ++fresh) {
        all.push_back({*fresh});
    }

    const std::size_t excess =
        all.size() > static_cast<std::size_t>(capacity) ? all.size() - static_cast<std::size_t>(capacity) : 0;
    std::vector<bool> heldRemoved(held.size());
    int freshLeftOut = 0;
    for (std::size_t i = 0; i < excess; ++i) {
        if (all[i].heldIndex < 0) {
            ++freshLeftOut;
        } else {
            heldRemoved[static_cast<std::size_t>(all[i].heldIndex)] = true;
            ++merged.counts.removed;
        }
    }
    merged.counts.added = static_cast<int>(merged.freshTexts.size()) - freshLeftOut;
    merged.counts.leftOut = freshLeftOut;
    for (const auto& [index, differing] : heldAgain) {
        if (heldRemoved[static_cast<std::size_t>(index)]) {
            ++merged.counts.leftOut; // its date is no longer in the history either
        } else {
            ++merged.counts.alreadyHeld;
            merged.counts.heldDiffering += differing ? 1 : 0;
        }
    }
    merged.kept.reserve(all.size() - excess);
    std::transform(all.begin() + static_cast<std::ptrdiff_t>(excess), all.end(),
                   std::back_inserter(merged.kept), [](const MergedDrawing& d) { return d.text; });
    return merged;
}

// The section line of the drawings; nothing when the progress light asks to stop.
std::optional<std::string> SectionLineOf(int section, const std::vector<std::string_view>& drawings,
                                         const ProgressLight& progress) {
    std::size_t length = 16;
    for (const std::string_view drawing : drawings) {
        length += drawing.size() + 1;
    }
    std::string line = std::to_string(section) + ' ' + std::to_string(drawings.size());
    line.reserve(length);
    for (std::size_t written = 0; written < drawings.size(); ++written) {
        if (progress && written % kProgressStep == 0 && !progress()) {
            return std::nullopt;
        }
        line.append(1, ' ').append(drawings[written]);
    }
    return line;
}

// Decides the new history for the drawings of the file; a refusal or the question whether to remove the
// oldest drawings goes through `notes`.
HistoryChange PlanResults(std::string_view history, const ResultsReading& reading, int gameType,
                          const GameSettings& settings, const ProgressLight& progress, const AskQuestion& ask,
                          ResultsImportCounts& counts, ChangeNotes& notes, std::string& newHistory) {
    const int section = SectionNumber(gameType, true);
    const int numbers = NumbersPerDrawing(gameType, settings);
    const int capacity = CapacityOfGame(gameType);
    std::vector<HeldDrawing> held;
    if (const std::optional<std::string_view> line = FindSectionLine(history, section)) {
        std::optional<std::vector<HeldDrawing>> drawings = HeldDrawingsOf(*line, numbers);
        if (!drawings) {
            return notes.Refuse(WithNothingChanged(kHeldSectionDamaged));
        }
        held = std::move(*drawings);
    }
    const MergedSection merged = Merge(held, reading, numbers, capacity);
    counts = merged.counts;
    if (counts.added == 0) {
        return HistoryChange::kUnchanged;
    }
    if (counts.removed > 0 &&
        !notes.Agreed(AskedThrough(
            ask, Question{RemoveOldestQuestion(capacity, counts.removed), QuestionButtons::YesNo, true}))) {
        return HistoryChange::kAsk;
    }
    const std::optional<std::string> line = SectionLineOf(section, merged.kept, progress);
    if (!line) {
        return notes.Refuse(std::string(kImportCancelled), NoticeKind::Information);
    }
    notes.Describe("results import of " + std::to_string(counts.added) +
                   (counts.added == 1 ? " drawing into " : " drawings into ") + HistoryName(section));
    newHistory = ReplaceSectionLine(history, section, *line);
    return HistoryChange::kReplace;
}

void AppendCount(std::string& text, std::string_view label, int count, bool always = false) {
    if (always || count > 0) {
        text.append("\n").append(label).append(": ").append(std::to_string(count));
    }
}

} // namespace

std::string RemoveOldestQuestion(int capacity, int removed) {
    return "This history can hold at most " + std::to_string(capacity) +
           " drawings.\nTo make room for the newer drawings of the file,\nits " + std::to_string(removed) +
           " oldest drawings would be removed.\n\nRemove them?";
}

std::string ResultsImportSummary(const ResultsImportCounts& counts) {
    std::string text(counts.added > 0 ? kResultsImportSuccessful : kNoNewDrawings);
    text += '\n';
    AppendCount(text, "New drawings written", counts.added, true);
    AppendCount(text, "Already in the history", counts.alreadyHeld, true);
    AppendCount(text, "Already in the history with other numbers (kept as they were)", counts.heldDiffering);
    AppendCount(text, "Lines repeating a drawing (read once)", counts.repeatedLines);
    AppendCount(text, "Older drawings left out (no room)", counts.leftOut);
    AppendCount(text, "Oldest drawings removed from the history", counts.removed);
    AppendCount(text,
                "Drawings before " + std::to_string(kFirstStorableYear) +
                    " left out (years a history cannot hold)",
                counts.beforeStorableYears);
    AppendCount(text, "Drawings before " + DisplayDateOfKey(counts.eraStart) + " left out (an earlier game)",
                counts.beforeEra);
    if (counts.passedOverLines > 0) {
        AppendCount(text, "Lines passed over", counts.passedOverLines);
        text.append(" (the first: line ").append(std::to_string(counts.firstPassedOver)).append(")");
    }
    return text;
}

GameSettingKeys SettingsOfResultsImport(int gameType) {
    return GameOf(gameType).drawingShape | GameOf(gameType).maximums;
}

Outcome<ResultsImported> ImportResults(const std::filesystem::path& resultsFile, int gameType,
                                       const ResultsSelection& selection, const ProgressLight& progress,
                                       const GameSettings& settings, const AskQuestion& ask,
                                       FileSystem& files) {
    if (gameType < kThreeNumber || gameType > kPowerball) {
        return Refusal{std::string(kIllegalGameTypeForResults)};
    }
    const Outcome<std::string> text = ReadImportFile(resultsFile, files);
    if (text.refused()) {
        return RefusedAs<ResultsImported>(text);
    }
    return ImportResultsText(*text, gameType, selection, progress, settings, ask, files);
}

Outcome<ResultsImported> ImportResultsText(std::string_view text, int gameType,
                                           const ResultsSelection& selection, const ProgressLight& progress,
                                           const GameSettings& settings, const AskQuestion& ask,
                                           FileSystem& files) {
    if (gameType < kThreeNumber || gameType > kPowerball) {
        return Refusal{std::string(kIllegalGameTypeForResults)};
    }
    const ResultsReading reading =
        ReadResultsText(text, gameType, settings, selection.column, selection.eraStart);
    if (!reading.problem.empty()) {
        return Refusal{WithNothingChanged(reading.problem)};
    }
    ResultsImported imported;
    const int section = SectionNumber(gameType, true);
    const auto plan = [&](std::string_view history, ChangeNotes& notes, std::string& newHistory) {
        const HistoryChange change = PlanResults(history, reading, gameType, settings, progress, ask,
                                                 imported.counts, notes, newHistory);
        if (change == HistoryChange::kReplace || change == HistoryChange::kUnchanged) {
            imported.sectionMark =
                HistorySectionMark(change == HistoryChange::kReplace ? newHistory : history, section);
        }
        return change;
    };
    const Outcome<ChangeOutcome> change = ChangeHistory(files, true, plan);
    if (change.refused()) {
        return RefusedAs<ResultsImported>(change);
    }
    imported.change = *change;
    if (imported.change == ChangeOutcome::kDeclined) {
        imported.sectionMark.clear();
        return imported;
    }
    imported.counts.eraStart = selection.eraStart;
    Outcome<ResultsImported> outcome(std::move(imported));
    outcome.Tell({ResultsImportSummary(outcome->counts), NoticeKind::Information});
    return outcome;
}

} // namespace vantorel
