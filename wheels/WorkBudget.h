// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <stop_token>

namespace vantorel {

// How much work a search may do. The work is counted in units (one unit is about one M-set looked at), so
// a search with the same seed and the same budget does the same work and finds the same wheel on any
// machine. The clock is a safety net: when the deadline passes first (a slow or busy machine), the search
// stops there too. A stop request ends it at once.
//
// A share of a budget is a budget of its own that also counts against its parent, for one step of a
// search that must leave work for the next.
class WorkBudget final {
public:
    using Clock = std::chrono::steady_clock;
    // Called with the share of the work done (0..1), at most once per percent.
    using ProgressHook = std::function<void(double)>;

    WorkBudget(std::uint64_t units, Clock::time_point deadline, std::stop_token stop,
               ProgressHook progress = {});

    WorkBudget(const WorkBudget&) = delete;
    WorkBudget& operator=(const WorkBudget&) = delete;

    // A share of at most `units` of what is left.
    WorkBudget Share(std::uint64_t units);

    // Counts `units` of work; false once the budget is used up, the deadline has passed or a stop was asked.
    bool Spend(std::uint64_t units);
    bool Exhausted() const;
    bool StopRequested() const { return stop_.stop_requested(); }
    bool DeadlinePassed() const { return deadlinePassed_; }
    const std::stop_token& StopToken() const { return stop_; }
    Clock::time_point Deadline() const { return deadline_; }

    std::uint64_t Spent() const { return spent_; }
    std::uint64_t Remaining() const;

private:
    WorkBudget(WorkBudget* parent, std::uint64_t units);
    bool SpendHere(std::uint64_t units);

    WorkBudget* parent_ = nullptr;
    std::uint64_t limit_;
    std::uint64_t spent_ = 0;
    Clock::time_point deadline_;
    std::stop_token stop_;
    ProgressHook progress_;
    int reportedPercent_ = -1;
    bool deadlinePassed_ = false;
};

} // namespace vantorel
