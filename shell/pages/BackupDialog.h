// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/BackgroundWork.h"
#include "store/HistoryBackup.h"

#include <QDialog>

class QPushButton;

namespace vantorel {

class ProfileStore;

// "Vantorel Data Backup": keeps one spare copy of the history file, "maindat.bak", beside it, and can put
// it back. A button whose source file cannot be read is disabled when the dialog opens. A completed or
// cancelled backup or restore closes the dialog; after a failure it stays open, its message shown. The
// settings tell how wide a Power Ball drawing is, for the check that a file reads as a whole history.
class BackupDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackupDialog)

public:
    explicit BackupDialog(const ProfileStore& profile, QWidget* parent = nullptr);

    // Whether the history file has been replaced by the backup.
    bool restored() const { return restored_; }

    // Not while a backup or restore runs.
    void reject() override;

private:
    // Runs a backup or restore off the window's thread, the dialog closed to input meanwhile.
    template <class Work> auto WhileWorking(Work work) -> decltype(work());
    // The questions of the work, asked on the window's thread.
    AskQuestion AskOnWindowThread();
    void BackupDatafile();
    void RestoreDatafile();
    void Finish(const Outcome<BackupOutcome>& outcome);

    const ProfileStore& profile_;
    QPushButton* backupButton_;
    QPushButton* restoreButton_;
    bool restored_ = false;
    bool working_ = false;
};

template <class Work> auto BackupDialog::WhileWorking(Work work) -> decltype(work()) {
    working_ = true;
    setEnabled(false);
    auto result = RunOffWindowThread(std::move(work));
    setEnabled(true);
    working_ = false;
    return result;
}

} // namespace vantorel
