// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryUndo.h"

#include "store/HistoryFile.h"

#include <filesystem>

namespace vantorel {

namespace {

constexpr std::string_view kUndoing = "the undoing of ";
// An undo file holds a history and its heading line.
constexpr std::size_t kLargestUndo = kLargestHistoryFile + 4096;

std::filesystem::path UndoFile(FileSystem& files) {
    return files.FollowLinks(std::filesystem::path(kHistoryFileName)).parent_path() /
           std::string(kUndoFileName);
}

enum class UndoRead { kRead, kMissing, kDamaged };

UndoRead ReadUndo(FileSystem& files, KeptUndo& kept) {
    std::string content;
    const ReadStatus read = files.ReadWhole(UndoFile(files), content, kLargestUndo);
    if (read == ReadStatus::kMissing) {
        return UndoRead::kMissing;
    }
    std::optional<KeptUndo> undo = read == ReadStatus::kRead ? ReadUndoContent(content) : std::nullopt;
    if (!undo) {
        return UndoRead::kDamaged;
    }
    kept = std::move(*undo);
    return UndoRead::kRead;
}

} // namespace

std::string UndoQuestion(std::string_view change) {
    return "Undo " + std::string(change) +
           "?\n\nVTRMAIN.DAT goes back to what it was before that change.\nThe undo can itself be undone.";
}

std::string UndoneChange(std::string_view change) {
    if (change.substr(0, kUndoing.size()) == kUndoing) {
        return std::string(change.substr(kUndoing.size()));
    }
    return std::string(kUndoing).append(change);
}

std::string UndoActionText(std::string_view change) {
    return "Undo " + std::string(change);
}

std::optional<std::string> LastChange(FileSystem& files) {
    KeptUndo kept;
    if (ReadUndo(files, kept) != UndoRead::kRead) {
        return std::nullopt;
    }
    return kept.change;
}

Outcome<ChangeOutcome> UndoLastChange(const AskQuestion& ask, FileSystem& files) {
    const auto undo = [&](std::string_view, ChangeNotes& notes, std::string& newHistory) {
        KeptUndo kept;
        switch (ReadUndo(files, kept)) {
        case UndoRead::kMissing:
            return notes.Refuse(std::string(kNothingToUndo), NoticeKind::Information);
        case UndoRead::kDamaged:
            return notes.Refuse(std::string(kUndoDamaged));
        case UndoRead::kRead:
            break;
        }
        // The question names the change, so a change made by another program meanwhile is asked about anew.
        if (!notes.Agreed(AskedThrough(ask, Question{UndoQuestion(kept.change), QuestionButtons::YesNo}))) {
            return HistoryChange::kAsk;
        }
        notes.Describe(UndoneChange(kept.change));
        newHistory = std::move(kept.history);
        return HistoryChange::kReplace;
    };
    return ChangeHistory(files, true, undo);
}

} // namespace vantorel
