#pragma once

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

private:
    void BackupDatafile();
    void RestoreDatafile();
    void Finish(const Outcome<BackupOutcome>& outcome);

    const ProfileStore& profile_;
    QPushButton* backupButton_;
    QPushButton* restoreButton_;
    bool restored_ = false;
};

} // namespace vantorel
