// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AboutDialog.h"

#include "shell/Artwork.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("Vantorel Version 2.0"));
    auto* version = new QLabel(QStringLiteral("Version 2.0"), this);
    auto* purpose =
        new QLabel(QStringLiteral("History, analysis and predictions for numbers lotteries"), this);
    auto* licence = new QLabel(QStringLiteral("License: GNU GPL v3 or later"), this);
    for (QLabel* caption : {version, purpose, licence}) {
        caption->setAlignment(Qt::AlignCenter);
    }
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new LogoBanner(this, 64));
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addWidget(licence);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

} // namespace vantorel
