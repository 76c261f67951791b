// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QLineEdit;
class QListWidget;

namespace vantorel {

struct GamePreset;

// "New Lottery Folder": the folder to make and the presets of its games, one a game, ticked in a list of
// every preset.
class NewLotteryFolderDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewLotteryFolderDialog)

public:
    // `chooseFolder` asks for a folder (an empty text when the user cancels).
    NewLotteryFolderDialog(std::function<QString(QWidget* parent)> chooseFolder, QWidget* parent);

    // The folder typed or chosen: "~" and relative names are taken from the home folder.
    QString folder() const;
    void SetFolder(const QString& folder);
    // The ticked presets, in list order.
    std::vector<const GamePreset*> ChosenPresets() const;
    // Ticks the preset with that name; false when there is none.
    bool TickPreset(const char* name);

private:
    void Browse();

    std::function<QString(QWidget* parent)> chooseFolder_;
    QLineEdit* folderField_;
    QListWidget* presetList_;
};

} // namespace vantorel
