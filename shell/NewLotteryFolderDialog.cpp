// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/NewLotteryFolderDialog.h"

#include "platform/GamePresets.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

NewLotteryFolderDialog::NewLotteryFolderDialog(std::function<QString(QWidget* parent)> chooseFolder,
                                               QWidget* parent)
    : QDialog(parent), chooseFolder_(std::move(chooseFolder)), folderField_(new QLineEdit(this)),
      presetList_(new QListWidget(this)) {
    setObjectName(QStringLiteral("newLotteryFolderDialog"));
    setWindowTitle(QStringLiteral("New Lottery Folder"));
    folderField_->setObjectName(QStringLiteral("folderField"));
    folderField_->setPlaceholderText(QStringLiteral("the folder to make, such as ~/lotteries/powerball"));
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    connect(browse, &QPushButton::clicked, this, &NewLotteryFolderDialog::Browse);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderField_, 1);
    folderRow->addWidget(browse);

    presetList_->setObjectName(QStringLiteral("presetList"));
    for (const GamePreset& preset : kGamePresets) {
        auto* item =
            new QListWidgetItem(Text(preset.title) + QStringLiteral(" (") + Text(preset.matrix) +
                                    QStringLiteral(", ") + Text(GameOfPreset(preset)) + QStringLiteral(")"),
                                presetList_);
        item->setData(Qt::UserRole, Text(preset.name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* folderLabel = new QLabel(QStringLiteral("&Folder (a new one, or one without a history):"), this);
    folderLabel->setBuddy(folderField_);
    auto* gamesLabel = new QLabel(
        QStringLiteral("&Games: tick the preset of each game the lottery plays, one a game"), this);
    gamesLabel->setBuddy(presetList_);
    layout->addWidget(folderLabel);
    layout->addLayout(folderRow);
    layout->addWidget(gamesLabel);
    layout->addWidget(presetList_, 1);
    layout->addWidget(buttons);
}

QString NewLotteryFolderDialog::folder() const {
    const QString typed = folderField_->text().trimmed();
    if (typed.isEmpty()) {
        return typed;
    }
    // "~" is the home folder, as in a shell, and so is the start of a relative name: the working directory
    // is the history folder in use, which the user does not think of here.
    const QString home = QDir::homePath();
    if (typed == QStringLiteral("~")) {
        return home;
    }
    if (typed.startsWith(QStringLiteral("~/"))) {
        return QDir(home).filePath(typed.mid(2));
    }
    return QDir::isAbsolutePath(typed) ? typed : QDir(home).filePath(typed);
}

void NewLotteryFolderDialog::SetFolder(const QString& folder) {
    folderField_->setText(folder);
}

std::vector<const GamePreset*> NewLotteryFolderDialog::ChosenPresets() const {
    std::vector<const GamePreset*> chosen;
    for (int row = 0; row < presetList_->count(); ++row) {
        const QListWidgetItem* item = presetList_->item(row);
        if (item->checkState() == Qt::Checked) {
            chosen.push_back(FindGamePreset(item->data(Qt::UserRole).toString().toStdString()));
        }
    }
    return chosen;
}

bool NewLotteryFolderDialog::TickPreset(const char* name) {
    for (int row = 0; row < presetList_->count(); ++row) {
        QListWidgetItem* item = presetList_->item(row);
        if (item->data(Qt::UserRole).toString() == QLatin1String(name)) {
            item->setCheckState(Qt::Checked);
            return true;
        }
    }
    return false;
}

void NewLotteryFolderDialog::Browse() {
    const QString chosen = chooseFolder_(this);
    if (!chosen.isEmpty()) {
        folderField_->setText(chosen);
    }
}

} // namespace vantorel
