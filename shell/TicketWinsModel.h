// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tickets/TicketCheck.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

namespace vantorel {

// The wins of a tickets check as a table the view can sort by any column: the ticket's line, the ticket, the
// drawing's date, the balls matched, the second-group ball, the tier and the prize. Rows are made when they
// are shown, so a check of a million wins costs one index per win.
class TicketWinsModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TicketWinsModel)

public:
    enum Column { kLine, kTicket, kDate, kMatched, kBonus, kTier, kPrize, kColumnCount };

    explicit TicketWinsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows the wins of `check` in its own order (by drawing, then by ticket); nothing for none.
    void Show(std::shared_ptr<const TicketCheck> check);
    const TicketCheck* check() const { return check_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    std::shared_ptr<const TicketCheck> check_;
    std::vector<int> order_; // the win shown in each row
};

} // namespace vantorel
