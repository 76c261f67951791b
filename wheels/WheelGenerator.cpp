// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelGenerator.h"

#include "wheels/WheelSearch.h"
#include "wheels/WorkBudget.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

using SteadyClock = std::chrono::steady_clock;

std::chrono::milliseconds Since(SteadyClock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start);
}

Refusal Cancelled() {
    return {"The wheel was cancelled.", NoticeKind::Plain};
}

std::string Describe(const WheelRequest& request) {
    return "A wheel " + GuaranteeText(request.guarantee, request.drawn) + " of " +
           std::to_string(request.pool.size()) + " numbers on tickets of " +
           std::to_string(request.ticketSize);
}

void Report(const WheelControl& control, WheelPhase phase, double share, std::size_t best) {
    if (control.progress) {
        control.progress({phase, share, best});
    }
}

// Positions of `numbers` within the sorted pool.
PoolMask MaskOf(const std::vector<int>& sortedPool, const std::vector<int>& numbers) {
    PoolMask mask;
    for (const int number : numbers) {
        mask.Set(static_cast<int>(std::lower_bound(sortedPool.begin(), sortedPool.end(), number) -
                                  sortedPool.begin()));
    }
    return mask;
}

// The wheel as the search works on it: with k keys on every ticket, the numbers beside the keys wheeled on
// tickets of K - k. When those numbers are fewer than M, every draw holds enough keys that one ticket
// keeps the guarantee (ValidateWheelRequest has made sure of that).
struct Reduced {
    std::vector<int> keys;
    std::vector<int> others;
    int v = 0;
    int k = 0;
    bool single = false;
};

Reduced Reduce(const WheelRequest& request) {
    Reduced reduced;
    reduced.keys = request.keys;
    for (const int number : request.pool) {
        if (std::find(request.keys.begin(), request.keys.end(), number) == request.keys.end()) {
            reduced.others.push_back(number);
        }
    }
    reduced.v = static_cast<int>(reduced.others.size());
    reduced.k = request.ticketSize - static_cast<int>(request.keys.size());
    reduced.single = reduced.v < request.drawn;
    return reduced;
}

std::vector<WheelTicket> ToTickets(const Reduced& reduced, const std::vector<PoolMask>& found) {
    std::vector<WheelTicket> tickets;
    for (const PoolMask& mask : found) {
        WheelTicket ticket = reduced.keys;
        for (const int position : mask.Positions()) {
            ticket.push_back(reduced.others[static_cast<std::size_t>(position)]);
        }
        std::sort(ticket.begin(), ticket.end());
        tickets.push_back(std::move(ticket));
    }
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    return tickets;
}

std::vector<PoolMask> ToMasks(const std::vector<int>& sortedPool, const std::vector<WheelTicket>& tickets) {
    std::vector<PoolMask> masks;
    masks.reserve(tickets.size());
    for (const WheelTicket& ticket : tickets) {
        masks.push_back(MaskOf(sortedPool, ticket));
    }
    return masks;
}

std::vector<int> ToNumbers(const std::vector<int>& sortedPool, const std::vector<int>& positions) {
    std::vector<int> numbers;
    for (const int position : positions) {
        numbers.push_back(sortedPool[static_cast<std::size_t>(position)]);
    }
    return numbers;
}

} // namespace

WheelOutcome GenerateWheel(const WheelRequest& asked, const WheelControl& control) {
    const SteadyClock::time_point start = SteadyClock::now();
    if (std::optional<Refusal> refusal = ValidateWheelRequest(asked)) {
        return *refusal;
    }
    WheelResult result;
    result.request = asked;
    WheelRequest& request = result.request;
    std::sort(request.pool.begin(), request.pool.end());
    std::sort(request.keys.begin(), request.keys.end());
    const Reduced reduced = Reduce(request);

    const WheelLowerBound bound = reduced.single
                                      ? WheelLowerBound{1, LowerBoundKind::Exact}
                                      : LowerBoundFor(reduced.v, reduced.k, request.guarantee, request.drawn);
    result.lowerBound = bound.tickets;
    result.lowerBoundKind = bound.kind;
    if (bound.kind == LowerBoundKind::Schoenheim) {
        result.schoenheimBound = bound.tickets;
    }
    if (bound.tickets > WheelSearch::kMaxTickets) {
        return Refusal{Describe(request) + " needs at least " + std::to_string(bound.tickets) +
                       " tickets; a wheel may hold " + std::to_string(WheelSearch::kMaxTickets) +
                       " at most."};
    }

    std::vector<FoundWheel> found;
    if (reduced.single) {
        found.push_back({{PoolMask::FirstN(reduced.k)}, "one ticket: every draw holds enough key numbers"});
    } else {
        result.bestKnown = FindKnownWheelSize(reduced.v, reduced.k, request.guarantee, request.drawn);
        const std::uint64_t units = control.workUnits.value_or(
            static_cast<std::uint64_t>(std::llround(request.seconds * kWorkUnitsPerSecond)));
        const auto deadline = start + std::chrono::duration_cast<SteadyClock::duration>(
                                          std::chrono::duration<double>(request.seconds));
        std::size_t best = 0;
        WorkBudget budget(units, deadline, control.stop,
                          [&](double share) { Report(control, WheelPhase::Searching, share, best); });
        WheelSearch search(reduced.v, reduced.k, request.guarantee, request.drawn, request.seed,
                           [&](std::size_t size) {
                               best = size;
                               Report(control, WheelPhase::Searching,
                                      static_cast<double>(budget.Spent()) /
                                          static_cast<double>(std::max<std::uint64_t>(units, 1)),
                                      best);
                           });
        found = search.Run(budget);
        result.workUnits = budget.Spent();
        result.stoppedByClock = budget.DeadlinePassed();
        if (control.stop.stop_requested()) {
            return Cancelled();
        }
        if (found.empty()) {
            return Refusal{Describe(request) + " is too large to build: there are " + "too many sets of " +
                           std::to_string(request.drawn) + " numbers to search."};
        }
    }

    // The best wheel first; a wheel that fails its check is never returned.
    for (auto candidate = found.rbegin(); candidate != found.rend(); ++candidate) {
        std::vector<WheelTicket> tickets = ToTickets(reduced, candidate->tickets);
        Report(control, WheelPhase::Verifying, 1, tickets.size());
        CoverageVerdict verdict =
            FindMissingSet(static_cast<int>(request.pool.size()), ToMasks(request.pool, tickets),
                           request.guarantee, request.drawn, control.stop);
        if (verdict.status == CoverageVerdict::Status::Cancelled) {
            return Cancelled();
        }
        if (verdict.status == CoverageVerdict::Status::Holds) {
            result.tickets = std::move(tickets);
            result.method = candidate->method;
            result.verification = std::move(verdict);
            break;
        }
    }
    if (result.tickets.empty()) {
        return Refusal{Describe(request) +
                       " could not be built: no wheel found kept its guarantee when checked."};
    }

    Report(control, WheelPhase::Tabulating, 1, result.tickets.size());
    std::optional<WinsTable> wins = TabulateWins(request.pool, result.tickets, request.guarantee,
                                                 request.ticketSize, request.ticketPriceCents, control.stop);
    if (!wins) {
        return Cancelled();
    }
    result.wins = std::move(*wins);
    result.elapsed = Since(start);
    return result;
}

WheelCheckOutcome CheckWheel(const WheelCheckRequest& asked, const WheelControl& control) {
    const SteadyClock::time_point start = SteadyClock::now();
    if (std::optional<Refusal> refusal = ValidateWheelCheck(asked)) {
        return *refusal;
    }
    WheelCheckResult result;
    result.request = asked;
    std::vector<int>& pool = result.request.pool;
    std::sort(pool.begin(), pool.end());
    Report(control, WheelPhase::Verifying, 1, asked.tickets.size());
    result.verdict = FindMissingSet(static_cast<int>(pool.size()), ToMasks(pool, asked.tickets),
                                    asked.guarantee, asked.drawn, control.stop);
    switch (result.verdict.status) {
    case CoverageVerdict::Status::Cancelled:
        return Cancelled();
    case CoverageVerdict::Status::Misses:
        result.verdict.missing = ToNumbers(pool, result.verdict.missing);
        break;
    case CoverageVerdict::Status::Holds: {
        std::size_t largest = 0;
        for (const WheelTicket& ticket : asked.tickets) {
            largest = std::max(largest, ticket.size());
        }
        Report(control, WheelPhase::Tabulating, 1, asked.tickets.size());
        result.wins = TabulateWins(pool, asked.tickets, asked.guarantee, static_cast<int>(largest),
                                   asked.ticketPriceCents, control.stop);
        if (!result.wins) {
            return Cancelled();
        }
        break;
    }
    }
    result.elapsed = Since(start);
    return result;
}

} // namespace vantorel
