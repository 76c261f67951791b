#include "store/HistoryBackup.h"

#include "tests/store/StoreFixture.h"

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

class HistoryBackupTest : public StoreFixture {
protected:
    std::string Backup() const { return ReadFile("maindat.bak"); }
};

TEST_F(HistoryBackupTest, FirstBackupCopiesLineByLineWithoutAsking) {
    SetHistory("0 1 5\n1 1 98/01/01 5\r\n\r\n3 0");
    EXPECT_FALSE(BackupFileReadable());
    EXPECT_EQ(BackupHistoryFile(), BackupOutcome::kCompleted);
    EXPECT_EQ(Backup(), "0 1 5\r\n1 1 98/01/01 5\r\n\r\n3 0\r\n");
    EXPECT_EQ(Messages(), Lines{"Backup completed."});
    EXPECT_TRUE(BackupFileReadable());
    EXPECT_EQ(FilesInDirectory(), (Lines{"maindat.bak", "vtrmain.dat"}));
}

TEST_F(HistoryBackupTest, ReplacingABackupAsksFirst) {
    SetHistory("0 1 5\r\n");
    WriteFile("maindat.bak", "old\r\n");
    EXPECT_EQ(BackupHistoryFile(), BackupOutcome::kCancelled);
    EXPECT_EQ(Backup(), "old\r\n");
    EXPECT_EQ(Messages(), Lines{"Replace current backup copy?"});
    EXPECT_EQ(messages.entries()[0].buttons, MessageButtons::OkCancel);

    messages.Clear();
    messages.ScriptAnswer(MessageAnswer::Ok);
    EXPECT_EQ(BackupHistoryFile(), BackupOutcome::kCompleted);
    EXPECT_EQ(Backup(), "0 1 5\r\n");
    EXPECT_EQ(Messages(), (Lines{"Replace current backup copy?", "Backup completed."}));
}

TEST_F(HistoryBackupTest, RestoreAsksAndThenCopiesTheBackup) {
    SetHistory("0 1 5\r\n");
    WriteFile("maindat.bak", "0 2 5 6\n1 0");
    EXPECT_EQ(RestoreHistoryFile(), BackupOutcome::kCancelled);
    EXPECT_EQ(History(), "0 1 5\r\n");
    messages.Clear();
    messages.ScriptAnswer(MessageAnswer::Ok);
    EXPECT_EQ(RestoreHistoryFile(), BackupOutcome::kCompleted);
    EXPECT_EQ(History(), "0 2 5 6\r\n1 0\r\n");
    EXPECT_EQ(Messages(),
              (Lines{"Are you certain you wish to\nreplace the current datafile\nwith the backup copy?",
                     "Restore completed."}));
    EXPECT_EQ(FilesInDirectory(), (Lines{"maindat.bak", "vtrmain.dat"}));
}

TEST_F(HistoryBackupTest, MissingFilesAreNamed) {
    EXPECT_FALSE(HistoryFileReadable());
    EXPECT_EQ(BackupHistoryFile(), BackupOutcome::kNotFound);
    EXPECT_EQ(RestoreHistoryFile(), BackupOutcome::kNotFound);
    SetHistory("0 1 5\r\n");
    EXPECT_EQ(RestoreHistoryFile(), BackupOutcome::kNotFound);
    EXPECT_EQ(Messages(),
              (Lines{"Main data file\nVTRMAIN.DAT\nnot found.", "Main data file\nVTRMAIN.DAT\nnot found.",
                     "Backup data file\nMAINDAT.BAK\nnot found."}));
}

TEST_F(HistoryBackupTest, EmptyHistoryGivesEmptyBackup) {
    SetHistory("");
    EXPECT_EQ(BackupHistoryFile(), BackupOutcome::kCompleted);
    EXPECT_EQ(Backup(), "");
}

} // namespace
} // namespace vantorel::test
