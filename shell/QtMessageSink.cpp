// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>

namespace vantorel {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer FromQtButton(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return CautiousAnswer(buttons); // closed without a choice
    }
}

} // namespace

MessageAnswer QtMessageSink::Show(std::string_view text, MessageIcon icon, MessageButtons buttons) {
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(ToQtIcon(icon), QStringLiteral("Vantorel"),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), ToQtButtons(buttons),
                    parent);
    box.setTextFormat(Qt::PlainText);
    return FromQtButton(box.exec(), buttons);
}

} // namespace vantorel
