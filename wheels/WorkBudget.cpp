// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WorkBudget.h"

#include <algorithm>

namespace vantorel {

namespace {

// How often (in units) the clock and the stop request are looked at.
constexpr std::uint64_t kClockInterval = 1 << 16;

} // namespace

WorkBudget::WorkBudget(std::uint64_t units, Clock::time_point deadline, std::stop_token stop,
                       ProgressHook progress)
    : limit_(units), deadline_(deadline), stop_(std::move(stop)), progress_(std::move(progress)) {}

WorkBudget::WorkBudget(WorkBudget* parent, std::uint64_t units)
    : parent_(parent), limit_(std::min(units, parent->Remaining())), deadline_(parent->deadline_),
      stop_(parent->stop_) {}

WorkBudget WorkBudget::Share(std::uint64_t units) {
    return WorkBudget(this, units);
}

std::uint64_t WorkBudget::Remaining() const {
    const std::uint64_t here = limit_ > spent_ ? limit_ - spent_ : 0;
    return parent_ != nullptr ? std::min(here, parent_->Remaining()) : here;
}

bool WorkBudget::Spend(std::uint64_t units) {
    const bool parentGoes = parent_ == nullptr || parent_->Spend(units);
    const bool hereGoes = SpendHere(units);
    if (parent_ != nullptr && parent_->DeadlinePassed()) {
        deadlinePassed_ = true;
    }
    return parentGoes && hereGoes;
}

bool WorkBudget::SpendHere(std::uint64_t units) {
    const std::uint64_t before = spent_;
    spent_ += units;
    if (parent_ == nullptr && before / kClockInterval != spent_ / kClockInterval) {
        if (Clock::now() >= deadline_) {
            deadlinePassed_ = true;
        }
        if (progress_ && limit_ > 0) {
            const int percent = static_cast<int>(std::min<std::uint64_t>(100, spent_ * 100 / limit_));
            if (percent != reportedPercent_) {
                reportedPercent_ = percent;
                progress_(percent / 100.0);
            }
        }
    }
    return !Exhausted();
}

bool WorkBudget::Exhausted() const {
    return spent_ >= limit_ || deadlinePassed_ || stop_.stop_requested() ||
           (parent_ != nullptr && parent_->Exhausted());
}

} // namespace vantorel
