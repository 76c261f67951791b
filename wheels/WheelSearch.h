// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheels/PoolMask.h"
#include "wheels/WorkBudget.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantorel {

// A wheel found on the positions 0..V-1, with how it was made.
struct FoundWheel {
    std::vector<PoolMask> tickets;
    std::string method; // "Steiner system S(3,6,22)", "greedy wheel, improved by local search", ...
};

// Looks for the smallest wheel "T if M" of tickets of K on V positions (1 <= T <= M <= K <= V <= 99) within a
// work budget:
// - T = 1 and K = V have exact answers; a known design (WheelDesigns) is taken when one fits, and is final
//   when it meets the lower bound;
// - for M > T, the partition design: the pool split into (M - 1) / (T - 1) groups, each covered "T if T" on
//   its own, so that any M numbers put T into one group; the group sizes are chosen for the fewest tickets
//   and the coverings of the sizes that matter are improved in turn;
// - then, when the M-sets are few enough to count, a greedy wheel and simulated annealing that drops one
//   ticket at a time (CoverageAnnealer); otherwise tickets the wheel does without are dropped one by one.
// Every wheel it returns covers by construction; the caller still verifies it. Deterministic for a seed
// and a number of work units.
class WheelSearch final {
public:
    // `onSmaller` hears the size of each smaller wheel as it is found.
    WheelSearch(int v, int k, int t, int m, std::uint64_t seed,
                std::function<void(std::size_t)> onSmaller = {});

    // Builds every wheel by search alone, as if no design were known (to measure the search).
    void SkipKnownDesigns() { knownDesigns_ = false; }

    // The wheels found, largest first and the best last; empty when none could be made (the pool is too
    // large to search and no construction fits, or a stop was asked before the first wheel).
    std::vector<FoundWheel> Run(WorkBudget& budget);

    // The most tickets a wheel may have.
    static constexpr std::size_t kMaxTickets = 100'000;

private:
    void Offer(FoundWheel wheel);
    std::size_t BestSize() const;
    void RunCovering(WorkBudget& budget);
    void OfferKnownDesigns();
    void RunLottoDesign(WorkBudget& budget);
    void Shrink(WorkBudget& budget);
    void DropUnneeded(WorkBudget& budget);

    int v_;
    int k_;
    int t_;
    int m_;
    std::uint64_t seed_;
    std::function<void(std::size_t)> onSmaller_;
    std::uint64_t floor_;
    bool knownDesigns_ = true;
    std::vector<FoundWheel> found_;
};

} // namespace vantorel
