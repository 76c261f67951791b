// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/RepairDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

RepairDialog::RepairDialog(std::vector<NamedError> named, QWidget* parent)
    : QDialog(parent), named_(std::move(named)), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("repairDialog"));
    setWindowTitle(QStringLiteral("Repair Datafile Errors"));
    auto* intro =
        new QLabel(QStringLiteral("The analysis names these drawings. The ticked ones are removed from "
                                  "VTRMAIN.DAT; a wrong count is set right.\nEdit > Undo Last Change "
                                  "puts them back."),
                   this);
    intro->setWordWrap(true);
    list_->setObjectName(QStringLiteral("namedErrorList"));
    for (const NamedError& error : named_) {
        auto* item = new QListWidgetItem(QString::fromStdString(NamedErrorLine(error)), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* remove = buttons->addButton(QStringLiteral("Remove Chosen"), QDialogButtonBox::AcceptRole);
    remove->setObjectName(QStringLiteral("removeChosenButton"));
    remove->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(640, 360);
}

std::vector<NamedError> RepairDialog::Chosen() const {
    std::vector<NamedError> chosen;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->checkState() == Qt::Checked) {
            chosen.push_back(named_[static_cast<std::size_t>(row)]);
        }
    }
    return chosen;
}

} // namespace vantorel
