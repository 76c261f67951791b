// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "store/HistoryBackup.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vantorel::test {

// A section line with `count` announced and as many copies of `drawing`.
inline std::string SectionLine(int section, int count, const std::string& drawing) {
    std::string line = std::to_string(section) + ' ' + std::to_string(count);
    for (int i = 0; i < count; ++i) {
        line += ' ' + drawing;
    }
    return line + "\r\n";
}

// A fresh working directory, a recording message sink and the first-run game settings for every test.
class StoreFixture : public ::testing::Test {
protected:
    std::string History() const { return ReadFile(std::string(kHistoryFileName)); }
    void SetHistory(std::string_view content) const { WriteFile(std::string(kHistoryFileName), content); }
    std::vector<std::string> Messages() const { return messages.texts(); }
    static bool WorkFilesLeft() { return WorkFilesLeftIn("."); }

    // The engine's messages shown through the recording sink, as the programs show them; true when the
    // routine gave its value.
    template <class T> static bool Shown(const Outcome<T>& outcome) { return ShowOutcome(outcome); }
    // Shown, and the history (or backup) replaced.
    static bool Replaced(const Outcome<ChangeOutcome>& outcome) {
        return ShowOutcome(outcome) && *outcome == ChangeOutcome::kReplaced;
    }
    static bool Completed(const Outcome<BackupOutcome>& outcome) {
        return ShowOutcome(outcome) && *outcome == BackupOutcome::kCompleted;
    }
    // A fresh recording sink that gives `answer` to the first question.
    void Answering(MessageAnswer answer) {
        messages = RecordingMessageSink();
        messages.ScriptAnswer(answer);
    }
    // The store's questions, put to the recording sink.
    static bool Ask(const Question& question) { return AskThroughMessageBox(question); }

    TempWorkingDir directory;
    RecordingMessageSink messages;
    ScopedMessageSink installed{messages};
    GameSettings settings{26, 49, 49, 42, 5};
};

} // namespace vantorel::test
