// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TicketLineDelegate.h"

#include <QLineEdit>

namespace vantorel {

TicketLineDelegate::TicketLineDelegate(Validator validator, QObject* parent)
    : QStyledItemDelegate(parent), validator_(std::move(validator)) {}

QWidget* TicketLineDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("ticketLineEditor"));
    const int row = index.row();
    const auto check = [this, editor, row](const QString& text) {
        const QString problem = validator_(text, row);
        editor->setStyleSheet(problem.isEmpty() ? QString()
                                                : QStringLiteral("QLineEdit { background: #ffd6d6; }"));
        editor->setToolTip(problem);
        emit Typed(problem);
    };
    connect(editor, &QLineEdit::textChanged, editor, check);
    return editor;
}

} // namespace vantorel
