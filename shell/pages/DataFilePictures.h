// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Artwork.h"

#include <QWidget>

namespace vantorel {

// The pictures of the Data File page and of its dialogs.
enum class DataFilePicture {
    kProcessing,             // a lit lamp and the word Processing
    kProcessingOff,          // the same plate with the lamp off: the progress light's other state
    kCompleted,              // "Operation Completed" / "The New Data is Now Available"
    kExistingHistoryWarning, // the warning before a new import over a history the file already holds
    kBackupTitle,            // "Vantorel Datafile Backup"
    kBackupPrompt,           // how to use the backup dialog
};

// One of those pictures, drawn by the program at its own size. It looks the same while its window is
// disabled, as the progress light shows exactly while the page is disabled.
class DrawnPicture final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrawnPicture)

public:
    DrawnPicture(DataFilePicture picture, QWidget* parent);

    DataFilePicture picture() const { return picture_; }
    QSize sizeHint() const override;
    // Paints the picture ahead of its first showing (see CachedPicture).
    void Prepare() { cached_.Prepare(*this); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DataFilePicture picture_;
    CachedPicture cached_;
};

} // namespace vantorel
