// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace vantorel {

class ResultLog;

// The lines of the result log that "Deja View" lists (from the log's mark on), one row a line, for a
// list view. Refresh() takes the log as it is now.
class ResultListModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultListModel)

public:
    ResultListModel(const ResultLog& log, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Refresh();

private:
    const ResultLog& log_;
    QStringList lines_;
};

} // namespace vantorel
