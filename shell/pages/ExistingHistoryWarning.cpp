// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/ExistingHistoryWarning.h"

#include "shell/pages/DataFilePictures.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

bool ContinueOverExistingHistory(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("existingHistoryWarning"));
    dialog.setWindowTitle(QStringLiteral("VanTorel Advises You To Abort"));
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* continueButton =
        buttons->addButton(QStringLiteral("Continue"), QDialogButtonBox::AcceptRole);
    continueButton->setObjectName(QStringLiteral("continueButton"));
    continueButton->setAutoDefault(false);
    QPushButton* abortButton = buttons->addButton(QStringLiteral("Abort Now"), QDialogButtonBox::RejectRole);
    abortButton->setObjectName(QStringLiteral("abortNowButton"));
    abortButton->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new DrawnPicture(DataFilePicture::kExistingHistoryWarning, &dialog));
    layout->addWidget(buttons);
    dialog.setFixedSize(dialog.sizeHint());
    abortButton->setFocus();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vantorel
