// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ResultListModel.h"

#include "shell/ResultLog.h"

namespace vantorel {

ResultListModel::ResultListModel(const ResultLog& log, QObject* parent)
    : QAbstractListModel(parent), log_(log) {
    Refresh();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size() || role != Qt::DisplayRole) {
        return {};
    }
    return lines_[index.row()];
}

void ResultListModel::Refresh() {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(log_.ListedLineCount()));
    for (std::size_t i = log_.mark(); i < log_.records().size(); ++i) {
        for (const std::string_view line : log_.records()[i].lines) {
            lines.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        }
    }
    if (lines == lines_) {
        return;
    }
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

} // namespace vantorel
