// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace vantorel {

// Edits a line of the tickets table in a line edit that says at once what is wrong with what is typed:
// the edit turns red and its tool tip, and the window's status, give the problem.
class TicketLineDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TicketLineDelegate)

public:
    // What is wrong with a line typed in the table's `row`; empty when nothing is.
    using Validator = std::function<QString(const QString& text, int row)>;

    TicketLineDelegate(Validator validator, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

signals:
    // The problem of the text being typed (empty when it reads well), for the window's status.
    void Typed(const QString& problem) const;

private:
    Validator validator_;
};

} // namespace vantorel
