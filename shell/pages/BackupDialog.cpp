// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/BackupDialog.h"
#include "platform/MessageBox.h"
#include "shell/BackgroundWork.h"

#include "platform/GameSettings.h"
#include "shell/pages/DataFilePictures.h"
#include "store/DataImport.h"
#include "store/HistoryBackup.h"
#include "store/HistoryFile.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

namespace {

QPushButton* AddButton(QDialogButtonBox& buttons, const char* objectName, const char* caption,
                       QDialogButtonBox::ButtonRole role) {
    QPushButton* button = buttons.addButton(QString::fromLatin1(caption), role);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

} // namespace

BackupDialog::BackupDialog(const ProfileStore& profile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    setObjectName(QStringLiteral("backupDialog"));
    setWindowTitle(QStringLiteral("Vantorel Data Backup"));
    auto* buttons = new QDialogButtonBox(this);
    backupButton_ =
        AddButton(*buttons, "backupDatafileButton", "Backup Datafile", QDialogButtonBox::ActionRole);
    restoreButton_ =
        AddButton(*buttons, "restoreDatafileButton", "Restore Datafile", QDialogButtonBox::ActionRole);
    QPushButton* cancel = AddButton(*buttons, "cancelButton", "Cancel", QDialogButtonBox::RejectRole);
    backupButton_->setDefault(true);
    backupButton_->setEnabled(HistoryFileReadable());
    restoreButton_->setEnabled(BackupFileReadable());
    connect(backupButton_, &QPushButton::clicked, this, &BackupDialog::BackupDatafile);
    connect(restoreButton_, &QPushButton::clicked, this, &BackupDialog::RestoreDatafile);
    connect(cancel, &QPushButton::clicked, this, &BackupDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new DrawnPicture(DataFilePicture::kBackupTitle, this), 0, Qt::AlignHCenter);
    layout->addWidget(new DrawnPicture(DataFilePicture::kBackupPrompt, this), 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

void BackupDialog::BackupDatafile() {
    // A backup is made also when the settings cannot be read: PBM only refines the check of old backups.
    const GameSettings settings = ReadGameSettings(profile_, GameSettingKeys{}).value_or(GameSettings{});
    Finish(WhileWorking([this, &settings] { return BackupHistoryFile(settings, AskOnWindowThread()); }));
}

void BackupDialog::RestoreDatafile() {
    const Outcome<GameSettings> settings = ReadGameSettings(profile_, SettingsOfDrawingShape(kPowerball));
    if (!ShowOutcome(settings)) {
        return;
    }
    const Outcome<BackupOutcome> outcome =
        WhileWorking([this, &settings] { return RestoreHistoryFile(*settings, AskOnWindowThread()); });
    restored_ = restored_ || (outcome && *outcome == BackupOutcome::kCompleted);
    Finish(outcome);
}

AskQuestion BackupDialog::AskOnWindowThread() {
    return [this](const Question& question) {
        bool yes = false;
        OnWindowThread(*this, [&] { yes = AskThroughMessageBox(question); });
        return yes;
    };
}

void BackupDialog::reject() {
    if (!working_) {
        QDialog::reject();
    }
}

// A done or cancelled operation closes the dialog; after a refusal it stays open.
void BackupDialog::Finish(const Outcome<BackupOutcome>& outcome) {
    if (!ShowOutcome(outcome)) {
        return;
    }
    if (*outcome == BackupOutcome::kCompleted) {
        accept();
    } else {
        reject();
    }
}

} // namespace vantorel
