// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TicketWinsModel.h"

#include "tickets/TicketDates.h"
#include "tickets/TicketReports.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <tuple>

namespace vantorel {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What a win pays, for sorting: fixed prizes by amount, the jackpot above them all, an amount not known
// below them all.
std::int64_t PrizeKey(const PrizeTier& tier) {
    switch (tier.kind) {
    case PrizeKind::kFixed:
        return tier.dollars;
    case PrizeKind::kJackpot:
        return std::numeric_limits<std::int64_t>::max();
    case PrizeKind::kUnknown:
        break;
    }
    return -1;
}

} // namespace

void TicketWinsModel::Show(std::shared_ptr<const TicketCheck> check) {
    beginResetModel();
    check_ = std::move(check);
    order_.resize(check_ != nullptr ? check_->wins.size() : 0);
    std::iota(order_.begin(), order_.end(), 0);
    endResetModel();
}

int TicketWinsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int TicketWinsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TicketWinsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(order_.size())) {
        return {};
    }
    const TicketWin& win =
        check_->wins[static_cast<std::size_t>(order_[static_cast<std::size_t>(index.row())])];
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == kLine || index.column() == kMatched || index.column() == kPrize;
        return QVariant::fromValue(number ? Qt::AlignRight | Qt::AlignVCenter
                                          : Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const PrizeTier& tier = check_->TierOf(win);
    switch (index.column()) {
    case kLine:
        return check_->TicketOf(win).line;
    case kTicket:
        return Text(check_->TicketOf(win).text);
    case kDate:
        return check_->dated ? Text(TypedDateText(check_->DateOf(win)))
                             : QStringLiteral("drawing %1").arg(win.drawing + 1);
    case kMatched:
        return check_->MatchedOf(win);
    case kBonus:
        return check_->prizes.bonusBall.empty() ? QString()
               : check_->BonusOf(win)           ? QStringLiteral("yes")
                                                : QStringLiteral("no");
    case kTier:
        return Text(TierWording(check_->prizes, tier));
    case kPrize:
        return Text(PrizeWording(tier));
    default:
        return {};
    }
}

QVariant TicketWinsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const std::array<const char*, kColumnCount> kTitles = {"Line",  "Ticket", "Date", "Matched",
                                                                  "Bonus", "Tier",   "Prize"};
    return section >= 0 && section < kColumnCount
               ? QString::fromLatin1(kTitles[static_cast<std::size_t>(section)])
               : QVariant();
}

void TicketWinsModel::sort(int column, Qt::SortOrder order) {
    if (check_ == nullptr) {
        return;
    }
    const TicketCheck& check = *check_;
    const auto key = [&check, column](int index) {
        const TicketWin& win = check.wins[static_cast<std::size_t>(index)];
        switch (column) {
        case kLine:
        case kTicket:
            return std::tuple<std::int64_t, std::int64_t>(check.TicketOf(win).line, win.drawing);
        case kMatched:
            return std::tuple<std::int64_t, std::int64_t>(check.MatchedOf(win), check.BonusOf(win));
        case kBonus:
            return std::tuple<std::int64_t, std::int64_t>(check.BonusOf(win), check.MatchedOf(win));
        case kTier:
            // The tiers are listed highest first: a lower index is a higher tier.
            return std::tuple<std::int64_t, std::int64_t>(-static_cast<std::int64_t>(win.tier), win.drawing);
        case kPrize:
            return std::tuple<std::int64_t, std::int64_t>(PrizeKey(check.TierOf(win)), -win.tier);
        default:
            return std::tuple<std::int64_t, std::int64_t>(win.drawing, check.TicketOf(win).line);
        }
    };
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        return order == Qt::AscendingOrder ? key(a) < key(b) : key(b) < key(a);
    });
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace vantorel
