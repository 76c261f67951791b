// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WinsTable.h"

#include "wheels/CoverageVerifier.h"
#include "wheels/PoolMask.h"
#include "wheels/WheelBounds.h"

#include <algorithm>
#include <random>

namespace vantorel {

namespace {

// Rows with more draws than this, or whose draws would take more steps (a step: one ticket counted for one
// number drawn), are sampled; a sample takes at most kSampledDraws draws and kMostSteps steps.
constexpr std::uint64_t kMostDrawsCounted = 50'000'000;
constexpr std::uint64_t kMostSteps = 150'000'000;
constexpr std::uint64_t kSampledDraws = 2'000'000;
constexpr std::uint64_t kFewestSampledDraws = 10'000;
constexpr std::uint64_t kSampleSeed = 20240611;

// How often each best match occurs over the draws of one row.
class BestMatchCounter final {
public:
    BestMatchCounter(int v, const std::vector<PoolMask>& tickets, int drawn, const std::stop_token& stop)
        : v_(v), drawn_(drawn), stop_(stop), counts_(tickets.size(), 0),
          ticketsOf_(static_cast<std::size_t>(v)), histogram_(static_cast<std::size_t>(drawn + 1), 0) {
        for (std::size_t i = 0; i < tickets.size(); ++i) {
            for (const int position : tickets[i].Positions()) {
                ticketsOf_[static_cast<std::size_t>(position)].push_back(static_cast<std::uint32_t>(i));
            }
        }
    }

    // Every draw, each number added in turn; the last number of a draw only looked at.
    bool CountEvery() {
        Visit(0, 0, 0);
        return !cancelled_;
    }

    bool CountSample(std::uint64_t draws) {
        std::mt19937_64 random(kSampleSeed);
        std::vector<int> positions(static_cast<std::size_t>(v_));
        for (int i = 0; i < v_; ++i) {
            positions[static_cast<std::size_t>(i)] = i;
        }
        for (std::uint64_t draw = 0; draw < draws; ++draw) {
            if ((draw & 0xffff) == 0 && stop_.stop_requested()) {
                return false;
            }
            // The first `drawn` places of a partial shuffle.
            for (int i = 0; i < drawn_; ++i) {
                const int j = i + static_cast<int>(random() % static_cast<std::uint64_t>(v_ - i));
                std::swap(positions[static_cast<std::size_t>(i)], positions[static_cast<std::size_t>(j)]);
            }
            std::fill(counts_.begin(), counts_.end(), 0);
            int best = 0;
            for (int i = 0; i < drawn_; ++i) {
                for (const std::uint32_t ticket :
                     ticketsOf_[static_cast<std::size_t>(positions[static_cast<std::size_t>(i)])]) {
                    best = std::max(best, ++counts_[ticket]);
                }
            }
            ++histogram_[static_cast<std::size_t>(best)];
        }
        return true;
    }

    const std::vector<std::uint64_t>& Histogram() const { return histogram_; }

    // How many tickets hold a number, on average.
    double AverageHolding() const {
        std::uint64_t held = 0;
        for (const std::vector<std::uint32_t>& holding : ticketsOf_) {
            held += holding.size();
        }
        return static_cast<double>(held) / static_cast<double>(std::max(1, v_));
    }

private:
    const std::vector<std::uint32_t>& TicketsOf(int position) const {
        return ticketsOf_[static_cast<std::size_t>(position)];
    }

    void Visit(int depth, int from, int best) {
        if ((steps_++ & 0x3fff) == 0 && stop_.stop_requested()) {
            cancelled_ = true;
        }
        if (cancelled_) {
            return;
        }
        const int last = v_ - (drawn_ - depth);
        for (int position = from; position <= last; ++position) {
            const std::vector<std::uint32_t>& holding = ticketsOf_[static_cast<std::size_t>(position)];
            if (depth + 1 == drawn_) {
                int here = best;
                for (const std::uint32_t ticket : holding) {
                    here = std::max(here, counts_[ticket] + 1);
                }
                ++histogram_[static_cast<std::size_t>(here)];
                continue;
            }
            int here = best;
            for (const std::uint32_t ticket : holding) {
                here = std::max(here, ++counts_[ticket]);
            }
            Visit(depth + 1, position + 1, here);
            for (const std::uint32_t ticket : holding) {
                --counts_[ticket];
            }
        }
    }

    int v_;
    int drawn_;
    const std::stop_token& stop_;
    std::vector<int> counts_; // [ticket]: its numbers among the draw so far
    std::vector<std::vector<std::uint32_t>> ticketsOf_;
    std::vector<std::uint64_t> histogram_;
    std::uint64_t steps_ = 0;
    bool cancelled_ = false;
};

// The largest T for which the wheel keeps "T if drawn", by exact checks between `lowest`, which it is known
// to keep, and `highest`, which it is known not to exceed.
std::optional<int> GuaranteedMatch(int v, const std::vector<PoolMask>& tickets, int drawn, int lowest,
                                   int highest, const std::stop_token& stop) {
    while (lowest < highest) {
        const CoverageVerdict verdict = FindMissingSet(v, tickets, lowest + 1, drawn, stop);
        if (verdict.status == CoverageVerdict::Status::Cancelled) {
            return std::nullopt;
        }
        if (verdict.status == CoverageVerdict::Status::Misses) {
            return lowest;
        }
        ++lowest;
    }
    return lowest;
}

// `before`: the guaranteed match with one number fewer drawn, or kNoRowBefore. One more drawn number never
// lowers the best match and raises it by at most one.
constexpr int kNoRowBefore = -1;

std::optional<WinsRow> TabulateRow(int v, const std::vector<PoolMask>& tickets, int drawn, int before,
                                   const std::stop_token& stop) {
    WinsRow row;
    row.drawnInPool = drawn;
    const std::uint64_t draws = Binomial(v, drawn);
    BestMatchCounter counter(v, tickets, drawn, stop);
    // Counting every draw adds one number to a shared beginning at a time; a sampled draw counts and uncounts
    // all of its numbers.
    const double holding = std::max(1.0, counter.AverageHolding());
    row.everyDraw = draws <= kMostDrawsCounted && static_cast<double>(draws) * holding <= kMostSteps;
    const std::uint64_t sampled = std::clamp<std::uint64_t>(
        static_cast<std::uint64_t>(static_cast<double>(kMostSteps) / (2 * drawn * holding)),
        kFewestSampledDraws, kSampledDraws);
    if (!(row.everyDraw ? counter.CountEvery() : counter.CountSample(sampled))) {
        return std::nullopt;
    }
    const std::vector<std::uint64_t>& histogram = counter.Histogram();
    const double counted = static_cast<double>(row.everyDraw ? draws : sampled);
    row.bestMatchShare.resize(histogram.size());
    for (std::size_t j = 0; j < histogram.size(); ++j) {
        row.bestMatchShare[j] = static_cast<double>(histogram[j]) / counted;
        row.averageBestMatch += static_cast<double>(j) * row.bestMatchShare[j];
    }
    if (row.everyDraw) {
        const auto first =
            std::find_if(histogram.begin(), histogram.end(), [](std::uint64_t n) { return n > 0; });
        row.guaranteedMatch = static_cast<int>(first - histogram.begin());
    } else {
        // No draw of the sample does better than the guarantee.
        const auto first =
            std::find_if(histogram.begin(), histogram.end(), [](std::uint64_t n) { return n > 0; });
        int highest = static_cast<int>(first - histogram.begin());
        int lowest = 0;
        if (before != kNoRowBefore) {
            lowest = before;
            highest = std::min(highest, before + 1);
        }
        const std::optional<int> guaranteed = GuaranteedMatch(v, tickets, drawn, lowest, highest, stop);
        if (!guaranteed) {
            return std::nullopt;
        }
        row.guaranteedMatch = *guaranteed;
    }
    // A ticket of s pool numbers matches exactly j of `drawn` in C(s, j) C(v - s, drawn - j) of the draws.
    row.averageTicketsMatching.assign(static_cast<std::size_t>(drawn + 1), 0.0);
    for (const PoolMask& ticket : tickets) {
        const int size = ticket.Count();
        for (int j = 0; j <= drawn; ++j) {
            row.averageTicketsMatching[static_cast<std::size_t>(j)] +=
                static_cast<double>(Binomial(size, j)) * static_cast<double>(Binomial(v - size, drawn - j)) /
                static_cast<double>(draws);
        }
    }
    return row;
}

} // namespace

std::optional<WinsTable> TabulateWins(const std::vector<int>& pool, const std::vector<WheelTicket>& tickets,
                                      int fromDrawn, int toDrawn,
                                      std::optional<std::int64_t> ticketPriceCents,
                                      const std::stop_token& stop) {
    std::vector<int> sorted = pool;
    std::sort(sorted.begin(), sorted.end());
    const int v = static_cast<int>(sorted.size());
    std::vector<PoolMask> masks;
    for (const WheelTicket& ticket : tickets) {
        PoolMask mask;
        for (const int number : ticket) {
            const auto at = std::lower_bound(sorted.begin(), sorted.end(), number);
            if (at != sorted.end() && *at == number) {
                mask.Set(static_cast<int>(at - sorted.begin()));
            }
        }
        masks.push_back(mask);
    }
    WinsTable table;
    table.tickets = tickets.size();
    if (ticketPriceCents) {
        table.costCents = *ticketPriceCents * static_cast<std::int64_t>(tickets.size());
    }
    for (int drawn = std::max(1, fromDrawn); drawn <= std::min(toDrawn, v); ++drawn) {
        const int before = table.rows.empty() ? kNoRowBefore : table.rows.back().guaranteedMatch;
        std::optional<WinsRow> row = TabulateRow(v, masks, drawn, before, stop);
        if (!row) {
            return std::nullopt;
        }
        table.rows.push_back(std::move(*row));
    }
    return table;
}

} // namespace vantorel
