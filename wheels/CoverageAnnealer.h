// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheels/PoolMask.h"
#include "wheels/SearchRandom.h"
#include "wheels/WheelBounds.h"
#include "wheels/WorkBudget.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vantorel {

// Builds and shrinks wheels "T if M" of tickets of K on the positions 0..V-1 by keeping, for every M-set, how
// many tickets share at least T with it (the M-sets are numbered by SubsetRanker, so only pools whose
// C(V, M) is moderate fit; see Fits).
//
// Shrink removes one ticket at a time and then anneals (Nurmela and Östergård's simulated annealing for
// covering designs): it takes an uncovered M-set, a ticket sharing T - 1 with it, and swaps one of the
// ticket's other numbers for one of the set's, keeping the swap when it leaves no more M-sets uncovered
// than before, or else with a chance that falls with the temperature. Everything random comes from one
// generator seeded by the caller, so a seed and a budget always give the same wheel.
class CoverageAnnealer final {
public:
    using Wheel = std::vector<PoolMask>;

    // Working memory of the enumerations, kept between swaps.
    struct Scratch {
        std::vector<int> inside;
        std::vector<int> outside;
        std::vector<int> first;
        std::vector<int> second;
        std::vector<int> merged;
        std::vector<int> members;
    };

    CoverageAnnealer(int v, int k, int t, int m, std::uint64_t seed);

    // Whether the M-sets of V are few enough to count (memory) and a swap cheap enough to weigh.
    static bool Fits(int v, int k, int t, int m);

    // A wheel built ticket by ticket: each starts from the first uncovered M-set and takes the numbers that
    // cover the most uncovered M-sets. Empty when a stop was asked.
    Wheel Greedy(WorkBudget& budget);

    // The smallest covering wheel found from `wheel` (which must cover) down to `floor` tickets within the
    // budget; `onSmaller` hears of each smaller one as it is found.
    Wheel Shrink(Wheel wheel, std::uint64_t floor, WorkBudget& budget,
                 const std::function<void(const Wheel&)>& onSmaller = {});

    // The number of M-sets the current tickets leave uncovered (after Load, Greedy or Shrink).
    std::size_t Uncovered() const { return uncovered_.size(); }

    // Makes `wheel` the current tickets and counts their cover.
    void Load(const Wheel& wheel);

private:
    struct Move {
        std::size_t ticket = 0;
        int out = 0;
        int in = 0;
    };

    void Clear();
    void AddTicket(const PoolMask& ticket);
    void RemoveTicket(std::size_t index);
    void Raise(std::uint32_t rank);
    void Lower(std::uint32_t rank);
    std::size_t LeastNeededTicket();
    bool Anneal(WorkBudget& budget);
    Move ChooseMove();
    int Weigh(const Move& move);
    void Apply(const Move& move);
    // The rank of `set` (ascending, M - 1 positions) with `extra` added.
    std::uint32_t RankWith(const std::vector<int>& set, int extra) const;
    int RandomBelow(int bound);
    int RandomMember(const PoolMask& set);
    std::uint64_t TargetsMeeting(const PoolMask& ticket, int exactly,
                                 const std::function<void(std::uint32_t)>& visit);

    int v_;
    int k_;
    int t_;
    int m_;
    SubsetRanker ranker_;
    SearchRandom random_;
    Wheel tickets_;
    std::vector<std::uint32_t> cover_;       // [rank]: tickets sharing at least T with the M-set
    std::vector<std::uint32_t> uncovered_;   // the ranks whose cover is 0
    std::vector<std::uint32_t> whereListed_; // [rank]: its index in uncovered_, or kNotListed
    std::vector<std::uint32_t> lost_;        // the M-sets a weighed move takes from its ticket
    std::vector<std::uint32_t> gained_;      // and those it gives to it
    Scratch scratch_;
    double temperature_ = 0;
    bool warm_ = false; // in a hot pass
};

} // namespace vantorel
