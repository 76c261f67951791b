#include "shell/NewLotteryFolderDialog.h"

#include "platform/GamePresets.h"

#include <QDialogButtonBox>
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
    layout->addWidget(new QLabel(QStringLiteral("&Folder (a new one, or one without a history):"), this));
    layout->addLayout(folderRow);
    layout->addWidget(new QLabel(QStringLiteral("&Games: tick the preset of each game the lottery plays, "
                                                "one a game"),
                                 this));
    layout->addWidget(presetList_, 1);
    layout->addWidget(buttons);
}

QString NewLotteryFolderDialog::folder() const {
    return folderField_->text().trimmed();
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
