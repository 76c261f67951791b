// SPDX-License-Identifier: GPL-3.0-or-later
// Backup and restore against files that are no whole history, rewrites through links that lead to other
// files, and the rule that no message or question is shown while the writers' lock is held.

#include "store/DataImport.h"
#include "store/HistoryBackup.h"
#include "store/HistoryRewrite.h"
#include "store/ManualEntry.h"
#include "store/ResultsImport.h"
#include "tests/support/RecordingMessageSink.h"

#include "tests/store/StoreFixture.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <sys/stat.h>
#include <utility>

namespace vantorel::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string kHistory = "0 1 5\r\n5 1 98/01/02 1 2 3 4 5\r\n";

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start) {
            words.emplace_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return words;
}

class HistoryChangeTest : public StoreFixture {};

TEST_F(HistoryChangeTest, RestoreTakesOnlyABackupThatReadsAsAWholeHistory) {
    const std::string sample = ReadFile(TestDataPath("shared/sample-vtrmain.dat"));
    const struct {
        const char* what;
        std::string backup;
        int pbm = 5;
    } refused[] = {
        {"empty", ""},
        {"blank lines only", "\r\n  \r\n\t\n"},
        {"cut in the middle of a section", sample.substr(0, 1000)},
        {"cut after a section number", "0 1 5\r\n1"},
        {"foreign lines that start with numbers", "1 2 3\n2 3 4\n"},
        {"fewer drawings than the count", "5 2 98/01/02 1 2 3 4 5\r\n"},
        {"more drawings than the count", "0 1 5 6\r\n"},
        {"a drawing that is no number", "0 2 5 x\r\n"},
        {"a date that is not of the stored form", "1 1 98/1/02 5\r\n"},
        {"sections out of order", "5 0\r\n3 0\r\n"},
        {"a count beyond the capacity", "5 2600\r\n"},
        {"a Power Ball drawing of another width", "9 1 98/01/07 5 12 23 34 41 17\r\n", 4},
        {"a line that is no section", "0 1 5\r\nDear diary\r\n"},
    };
    // The backup restored over kHistory with the Power Ball drawing width `pbm`, agreeing to every question.
    const auto restore = [this](const std::string& backup, int pbm) {
        SetHistory(kHistory);
        WriteFile("maindat.bak", backup);
        Answering(MessageAnswer::Ok);
        GameSettings withPbm = settings;
        withPbm.powerballBalls = pbm;
        return RestoreHistoryFile(withPbm, Ask);
    };
    for (const auto& c : refused) {
        EXPECT_FALSE(Shown(restore(c.backup, c.pbm))) << c.what;
        EXPECT_EQ(Messages(), Lines{std::string(kBackupNotAHistory)}) << c.what;
        EXPECT_EQ(History(), kHistory) << c.what;
    }
    // Without PBM (0) a Power Ball section of four or of five first-group balls reads whole.
    const std::pair<std::string, int> wholes[] = {{sample, 5},
                                                  {"9 1 98/01/07 5 12 23 34 41 17\r\n", 5},
                                                  {"0 0\n\n1 1 98/01/02 007\n1 0", 5},
                                                  {"8 1 5 12 23 34 17\r\n", 0},
                                                  {"9 1 98/01/07 5 12 23 34 41 17\r\n", 0}};
    for (const auto& [whole, pbm] : wholes) {
        EXPECT_TRUE(Completed(restore(whole, pbm))) << whole.substr(0, 40);
        EXPECT_EQ(History(), WithLineEnds(whole));
    }
    EXPECT_FALSE(WorkFilesLeft());
}

TEST_F(HistoryChangeTest, ABackupOfAHistoryThatDoesNotReadWholeAsksBeforeReplacingOneThatDoes) {
    const std::string goodBackup = "0 1 5\r\n";
    const struct {
        std::string history;
        std::string_view question;
        MessageAnswer answer;
        bool replaced;
    } cases[] = {
        {"0 2 5\r\n", kReplaceWholeBackupQuestion, MessageAnswer::Cancel, false},
        {"", kReplaceWholeBackupQuestion, MessageAnswer::Cancel, false},
        {"0 2 5\r\n", kReplaceWholeBackupQuestion, MessageAnswer::Ok, true},
        {"0 2 5 6\r\n", kReplaceBackupQuestion, MessageAnswer::Ok, true},
    };
    for (const auto& c : cases) {
        SetHistory(c.history);
        WriteFile("maindat.bak", goodBackup);
        Answering(c.answer);
        const Outcome<BackupOutcome> outcome = BackupHistoryFile(settings, Ask);
        ASSERT_TRUE(Shown(outcome)) << c.history;
        EXPECT_EQ(*outcome, c.replaced ? BackupOutcome::kCompleted : BackupOutcome::kCancelled) << c.history;
        EXPECT_EQ(Messages().front(), c.question) << c.history;
        EXPECT_EQ(ReadFile("maindat.bak"), c.replaced ? WithLineEnds(c.history) : goodBackup) << c.history;
    }
}

TEST_F(HistoryChangeTest, ARewriteThroughALinkToAFileThatIsNoHistoryIsRefused) {
    const std::string stranger = "root:x:0:0:root:/root:/bin/bash\nuser:x:1000:1000::/home/user:/bin/sh\n";
    fs::create_directory("elsewhere");
    WriteFile("draws.txt", "01/02/98 1 2 3 4 5\n");
    WriteFile("results.csv", "Date,Numbers\n09/26/2020,1 2 3 4 5\n");
    const std::string target = fs::absolute("elsewhere/passwd").string();
    const struct {
        const char* what;
        const char* link;
        std::function<bool()> rewrite;
    } cases[] = {
        {"backup", "maindat.bak",
         [&] {
             return Completed(BackupHistoryFile(settings, Ask));
         }},
        {"new import", "vtrmain.dat",
         [&] {
             return Replaced(ImportNew("draws.txt", kFiveNumber, true, {}, false, settings));
         }},
        {"results import", "vtrmain.dat",
         [&] {
             const Outcome<ResultsImported> imported =
                 ImportResults("results.csv", kFiveNumber, {}, {}, settings, Ask);
             return Shown(imported) && imported->change == ChangeOutcome::kReplaced;
         }},
        {"append", "vtrmain.dat",
         [&] {
             return Shown(AppendEntry("1 2 3 4 5", kFiveNumber, false, settings));
         }},
    };
    for (const auto& c : cases) {
        for (const char* file : {"vtrmain.dat", "maindat.bak"}) {
            fs::remove(file);
        }
        SetHistory(kHistory);
        fs::remove(c.link);
        WriteFile("elsewhere/passwd", stranger);
        fs::create_symlink("elsewhere/passwd", c.link);
        Answering(MessageAnswer::Ok);
        EXPECT_FALSE(c.rewrite()) << c.what;
        const std::string label(std::string_view(c.link) == "vtrmain.dat" ? kHistoryLabel : kBackupLabel);
        EXPECT_EQ(Messages(), Lines{LinkRefusalMessage(label, target)}) << c.what;
        EXPECT_EQ(ReadFile("elsewhere/passwd"), stranger) << c.what;
        EXPECT_TRUE(fs::is_symlink(c.link)) << c.what;
        EXPECT_FALSE(WorkFilesLeftIn("elsewhere")) << c.what;

        // A link to an empty file may be written through.
        WriteFile("elsewhere/passwd", "");
        EXPECT_TRUE(c.rewrite() || std::string_view(c.what) == "append") << c.what;
    }
}

// Records every message, and whether another writer could take the writers' lock while it was shown.
class LockProbingSink final : public MessageSink {
public:
    MessageAnswer Show(std::string_view text, MessageIcon, MessageButtons buttons) override {
        FileFault fault = FileFault::kNone;
        const bool lockFree =
            RealFileSystem().LockWriters("vtrmain.dat", std::chrono::milliseconds(0), fault) != nullptr;
        shownWhileLocked += lockFree ? "" : std::string(text) + "\n---\n";
        ++shown;
        return answerYes ? AffirmativeAnswer(buttons) : CautiousAnswer(buttons);
    }

    bool answerYes = true;
    int shown = 0;
    std::string shownWhileLocked;
};

TEST_F(HistoryChangeTest, NoMessageOrQuestionIsShownWhileTheWritersLockIsHeld) {
    const std::string fullFive = SectionLine(5, 2599, "98/01/01 1 2 3 4 5");
    WriteFile("results.csv", "09/26/2020 1 2 3 4 5\n");
    WriteFile("draws.txt", "01/02/98 1 2 3 4 5\n");
    const auto importResults = [&] {
        Shown(ImportResults("results.csv", kFiveNumber, {}, {}, settings, Ask));
    };
    const auto restore = [&] {
        Shown(RestoreHistoryFile(settings, Ask));
    };
    const struct {
        const char* what;
        std::string history;
        const char* backup;
        bool answerYes;
        std::function<void()> run;
    } cases[] = {
        {"results import, removal agreed", fullFive, nullptr, true, importResults},
        {"results import, removal declined", fullFive, nullptr, false, importResults},
        {"backup over a backup", kHistory, "0 0\r\n", true,
         [&] {
             Shown(BackupHistoryFile(settings, Ask));
         }},
        {"restore", kHistory, "0 0\r\n", true, restore},
        {"restore of no history", kHistory, "Dear diary\r\n", true, restore},
        {"append to no section", kHistory, nullptr, true,
         [&] {
             Shown(AppendEntry("7", kFourNumber, false, settings));
         }},
        {"new import over a history", kHistory, nullptr, true,
         [&] {
             Shown(ImportNew("draws.txt", kFiveNumber, true, {}, false, settings, [](int) {
                 return MessageBox("go on?", MessageIcon::Question, MessageButtons::YesNo) ==
                        MessageAnswer::Yes;
             }));
         }},
        {"a write that fails", kHistory, nullptr, true,
         [&] {
             chmod("vtrmain.dat", 0444);
             Shown(AppendEntry("1 2 3 4 5", kFiveNumber, false, settings));
             chmod("vtrmain.dat", 0644);
         }},
    };
    for (const auto& c : cases) {
        fs::remove("maindat.bak");
        SetHistory(c.history);
        if (c.backup != nullptr) {
            WriteFile("maindat.bak", c.backup);
        }
        LockProbingSink probe;
        probe.answerYes = c.answerYes;
        const ScopedMessageSink installedProbe(probe);
        c.run();
        EXPECT_GT(probe.shown, 0) << c.what;
        EXPECT_EQ(probe.shownWhileLocked, "") << c.what;
    }
}

// Answers every question with Yes; the first time, another program changes the history meanwhile.
class InterruptingSink final : public MessageSink {
public:
    explicit InterruptingSink(std::function<void()> otherWriter) : otherWriter_(std::move(otherWriter)) {}

    MessageAnswer Show(std::string_view text, MessageIcon, MessageButtons buttons) override {
        shown.emplace_back(text);
        if (buttons != MessageButtons::Ok && otherWriter_) {
            std::exchange(otherWriter_, nullptr)();
        }
        return AffirmativeAnswer(buttons);
    }

    Lines shown;

private:
    std::function<void()> otherWriter_;
};

// Another writer that changes the history while the user is asked loses nothing: the plan is made again
// under the lock, and a question that now reads differently is asked again.
TEST_F(HistoryChangeTest, AWriterThatComesBetweenTheQuestionAndTheWriteLosesNothing) {
    WriteFile("results.csv", "09/26/2020 1 2 3 4 5\n09/30/2020 6 7 8 9 10\n");
    const auto removeQuestion = [](int removed) {
        return RemoveOldestQuestion(kFiveNumberCapacity, removed);
    };
    const struct {
        const char* what;
        int section;
        const char* drawing;
        const char* stored;
        Lines questions;
    } cases[] = {
        {"an append to another section", 0, "7", "7", {removeQuestion(1)}},
        {"an append to the same section",
         5,
         "01/01/20 11 12 13 14 15",
         "20/01/01 11 12 13 14 15",
         {removeQuestion(1), removeQuestion(2)}},
    };
    for (const auto& c : cases) {
        SetHistory("0 1 5\r\n" + SectionLine(5, 2598, "98/01/01 1 2 3 4 5"));
        bool appended = false;
        InterruptingSink sink([&] {
            RecordingMessageSink quiet;
            const ScopedMessageSink installedQuiet(quiet);
            appended =
                Shown(AppendEntry(c.drawing, GameOfSection(c.section), IsDatedSection(c.section), settings));
        });
        const ScopedMessageSink installedSink(sink);
        const Outcome<ResultsImported> imported =
            ImportResults("results.csv", kFiveNumber, {}, {}, settings, Ask);
        EXPECT_TRUE(Shown(imported) && imported->change == ChangeOutcome::kReplaced) << c.what;
        EXPECT_TRUE(appended) << c.what;
        const Lines questions(sink.shown.begin(), sink.shown.end() - 1);
        EXPECT_EQ(questions, c.questions) << c.what;
        const std::vector<std::string> section = SectionDrawingWords(History(), c.section);
        const std::vector<std::string> stored = Words(c.stored);
        EXPECT_NE(std::search(section.begin(), section.end(), stored.begin(), stored.end()), section.end())
            << c.what;
        const std::vector<std::string> five = SectionDrawingWords(History(), 5);
        EXPECT_EQ(std::vector<std::string>(five.end() - 12, five.end()),
                  Words("20/09/26 1 2 3 4 5 20/09/30 6 7 8 9 10"))
            << c.what;
    }
}

} // namespace
} // namespace vantorel::test
