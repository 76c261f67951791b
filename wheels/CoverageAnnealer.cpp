// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/CoverageAnnealer.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

constexpr std::uint32_t kNotListed = UINT32_MAX;
// At most this many M-sets are counted (12 bytes each).
constexpr std::uint64_t kMaxTargets = 3'000'000;
// At most this many M-sets are weighed for one swap.
constexpr std::uint64_t kMaxUnionsPerMove = 40'000;

// The annealing schedule: the temperature falls by kCooling every round of swaps from the top of its range
// to the bottom, and starts again at the top. Most wheels do best in a narrow cool range; wheels with few
// M-sets also gain from every other pass running hot, where a chance swap often completes the cover.
struct TemperatureRange {
    double hot;
    double cold;
};
constexpr TemperatureRange kCool = {0.3, 0.2};
constexpr TemperatureRange kWarm = {1.0, 0.3};
constexpr std::uint32_t kMostTargetsForWarm = 500;
constexpr double kCooling = 0.999;

// Calls visit(merged) for every union of `a` positions of `inside` and `c` positions of `outside` (both
// ascending); `merged` holds the a + c positions in ascending order. The vectors of `scratch` keep their
// memory between calls.
template <typename Visit>
std::uint64_t ForEachUnion(const std::vector<int>& inside, int a, const std::vector<int>& outside, int c,
                           CoverageAnnealer::Scratch& scratch, Visit&& visit) {
    const int insideSize = static_cast<int>(inside.size());
    const int outsideSize = static_cast<int>(outside.size());
    if (a > insideSize || c > outsideSize || a < 0 || c < 0) {
        return 0;
    }
    std::vector<int>& first = scratch.first;
    std::vector<int>& second = scratch.second;
    std::vector<int>& merged = scratch.merged;
    first.resize(static_cast<std::size_t>(a));
    second.resize(static_cast<std::size_t>(c));
    merged.resize(static_cast<std::size_t>(a + c));
    // Advances a combination of `size` of `count` to the next one in lexicographic order.
    const auto advance = [](std::vector<int>& indexes, int count) {
        const int size = static_cast<int>(indexes.size());
        int i = size - 1;
        while (i >= 0 && indexes[static_cast<std::size_t>(i)] == count - size + i) {
            --i;
        }
        if (i < 0) {
            return false;
        }
        ++indexes[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < size; ++j) {
            indexes[static_cast<std::size_t>(j)] = indexes[static_cast<std::size_t>(j - 1)] + 1;
        }
        return true;
    };
    std::uint64_t visited = 0;
    for (int i = 0; i < a; ++i) {
        first[static_cast<std::size_t>(i)] = i;
    }
    do {
        for (int i = 0; i < c; ++i) {
            second[static_cast<std::size_t>(i)] = i;
        }
        do {
            std::size_t x = 0;
            std::size_t y = 0;
            for (std::size_t out = 0; out < merged.size(); ++out) {
                const bool fromFirst = y == second.size() ||
                                       (x < first.size() && inside[static_cast<std::size_t>(first[x])] <
                                                                outside[static_cast<std::size_t>(second[y])]);
                merged[out] = fromFirst ? inside[static_cast<std::size_t>(first[x++])]
                                        : outside[static_cast<std::size_t>(second[y++])];
            }
            visit(merged);
            ++visited;
        } while (advance(second, outsideSize));
    } while (advance(first, insideSize));
    return visited;
}

} // namespace

CoverageAnnealer::CoverageAnnealer(int v, int k, int t, int m, std::uint64_t seed)
    : v_(v), k_(k), t_(t), m_(m), ranker_(v, m), random_(seed) {
    Clear();
}

bool CoverageAnnealer::Fits(int v, int k, int t, int m) {
    return Binomial(v, m) <= kMaxTargets &&
           Binomial(k - 1, t - 1) * std::max<std::uint64_t>(1, Binomial(v - k - 1, m - t)) <=
               kMaxUnionsPerMove;
}

void CoverageAnnealer::Clear() {
    tickets_.clear();
    cover_.assign(ranker_.SubsetCount(), 0);
    uncovered_.resize(ranker_.SubsetCount());
    whereListed_.resize(ranker_.SubsetCount());
    for (std::uint32_t rank = 0; rank < ranker_.SubsetCount(); ++rank) {
        uncovered_[rank] = rank;
        whereListed_[rank] = rank;
    }
}

void CoverageAnnealer::Load(const Wheel& wheel) {
    Clear();
    for (const PoolMask& ticket : wheel) {
        AddTicket(ticket);
    }
}

void CoverageAnnealer::Raise(std::uint32_t rank) {
    if (cover_[rank]++ == 0) {
        const std::uint32_t slot = whereListed_[rank];
        const std::uint32_t last = uncovered_.back();
        uncovered_[slot] = last;
        whereListed_[last] = slot;
        uncovered_.pop_back();
        whereListed_[rank] = kNotListed;
    }
}

void CoverageAnnealer::Lower(std::uint32_t rank) {
    if (--cover_[rank] == 0) {
        whereListed_[rank] = static_cast<std::uint32_t>(uncovered_.size());
        uncovered_.push_back(rank);
    }
}

std::uint64_t CoverageAnnealer::TargetsMeeting(const PoolMask& ticket, int exactly,
                                               const std::function<void(std::uint32_t)>& visit) {
    ticket.PositionsInto(scratch_.inside);
    (~ticket & PoolMask::FirstN(v_)).PositionsInto(scratch_.outside);
    return ForEachUnion(scratch_.inside, exactly, scratch_.outside, m_ - exactly, scratch_,
                        [&](const std::vector<int>& set) { visit(ranker_.Rank(set.data())); });
}

void CoverageAnnealer::AddTicket(const PoolMask& ticket) {
    tickets_.push_back(ticket);
    for (int shared = t_; shared <= std::min(k_, m_); ++shared) {
        TargetsMeeting(ticket, shared, [this](std::uint32_t rank) { Raise(rank); });
    }
}

void CoverageAnnealer::RemoveTicket(std::size_t index) {
    const PoolMask ticket = tickets_[index];
    tickets_.erase(tickets_.begin() + static_cast<std::ptrdiff_t>(index));
    for (int shared = t_; shared <= std::min(k_, m_); ++shared) {
        TargetsMeeting(ticket, shared, [this](std::uint32_t rank) { Lower(rank); });
    }
}

// The ticket that alone covers the fewest M-sets (ties broken at random).
std::size_t CoverageAnnealer::LeastNeededTicket() {
    std::size_t chosen = 0;
    std::uint64_t fewest = UINT64_MAX;
    int ties = 0;
    for (std::size_t i = 0; i < tickets_.size(); ++i) {
        std::uint64_t alone = 0;
        for (int shared = t_; shared <= std::min(k_, m_); ++shared) {
            TargetsMeeting(tickets_[i], shared,
                           [&](std::uint32_t rank) { alone += cover_[rank] == 1 ? 1 : 0; });
        }
        if (alone < fewest) {
            fewest = alone;
            chosen = i;
            ties = 1;
        } else if (alone == fewest && RandomBelow(++ties) == 0) {
            chosen = i;
        }
    }
    return chosen;
}

int CoverageAnnealer::RandomBelow(int bound) {
    return random_.Below(bound);
}

std::uint32_t CoverageAnnealer::RankWith(const std::vector<int>& set, int extra) const {
    std::uint64_t rank = 0;
    std::size_t i = 0;
    for (; i < set.size() && set[i] < extra; ++i) {
        rank += ranker_.Entry(set[i], static_cast<int>(i) + 1);
    }
    rank += ranker_.Entry(extra, static_cast<int>(i) + 1);
    for (; i < set.size(); ++i) {
        rank += ranker_.Entry(set[i], static_cast<int>(i) + 2);
    }
    return static_cast<std::uint32_t>(rank);
}

int CoverageAnnealer::RandomMember(const PoolMask& set) {
    return set.Nth(RandomBelow(set.Count()));
}

CoverageAnnealer::Move CoverageAnnealer::ChooseMove() {
    std::vector<int>& members = scratch_.members;
    members.resize(static_cast<std::size_t>(m_));
    ranker_.Unrank(uncovered_[static_cast<std::size_t>(RandomBelow(static_cast<int>(uncovered_.size())))],
                   members.data());
    const PoolMask set = PoolMask::Of(members);
    // A ticket sharing T - 1 with the uncovered set covers it after the swap (the set shares at most T - 1
    // with every ticket). Drawn at random until one shares T - 1, which picks each such ticket alike; a
    // ticket drawn at random when none turns up.
    const int count = static_cast<int>(tickets_.size());
    std::size_t ticket = static_cast<std::size_t>(RandomBelow(count));
    for (int tries = 0; tries < 3 * count; ++tries) {
        const std::size_t drawn = static_cast<std::size_t>(RandomBelow(count));
        if ((tickets_[drawn] & set).Count() == t_ - 1) {
            ticket = drawn;
            break;
        }
    }
    return {ticket, RandomMember(tickets_[ticket] & ~set), RandomMember(set & ~tickets_[ticket])};
}

// How many more M-sets the move leaves uncovered (negative: fewer). Keeps the M-sets it would take from
// the ticket in lost_ and those it would give in gained_.
int CoverageAnnealer::Weigh(const Move& move) {
    PoolMask ticket = tickets_[move.ticket];
    ticket.Reset(move.out);
    ticket.PositionsInto(scratch_.inside);
    PoolMask others = ~tickets_[move.ticket] & PoolMask::FirstN(v_);
    others.Reset(move.in);
    others.PositionsInto(scratch_.outside);
    lost_.clear();
    gained_.clear();
    // The sets that share exactly T with the ticket through `out`, or will through `in`.
    ForEachUnion(scratch_.inside, t_ - 1, scratch_.outside, m_ - t_, scratch_,
                 [&](const std::vector<int>& set) {
                     lost_.push_back(RankWith(set, move.out));
                     gained_.push_back(RankWith(set, move.in));
                 });
    int change = 0;
    for (const std::uint32_t rank : lost_) {
        change += cover_[rank] == 1 ? 1 : 0;
    }
    for (const std::uint32_t rank : gained_) {
        change -= cover_[rank] == 0 ? 1 : 0;
    }
    return change;
}

void CoverageAnnealer::Apply(const Move& move) {
    for (const std::uint32_t rank : lost_) {
        Lower(rank);
    }
    for (const std::uint32_t rank : gained_) {
        Raise(rank);
    }
    tickets_[move.ticket].Reset(move.out);
    tickets_[move.ticket].Set(move.in);
}

bool CoverageAnnealer::Anneal(WorkBudget& budget) {
    const std::size_t round = std::max<std::size_t>(200, tickets_.size() * static_cast<std::size_t>(k_));
    while (!uncovered_.empty()) {
        for (std::size_t i = 0; i < round && !uncovered_.empty(); ++i) {
            Move move = ChooseMove();
            int change = Weigh(move);
            if (!budget.Spend(2 * lost_.size() + 8)) {
                return false;
            }
            const double chance = random_.Unit();
            if (change <= 0 || chance < std::exp(-change / temperature_)) {
                Apply(move);
            }
        }
        temperature_ *= kCooling;
        if (temperature_ < (warm_ ? kWarm.cold : kCool.cold)) {
            warm_ = !warm_ && ranker_.SubsetCount() <= kMostTargetsForWarm;
            temperature_ = warm_ ? kWarm.hot : kCool.hot;
        }
    }
    return true;
}

CoverageAnnealer::Wheel CoverageAnnealer::Shrink(Wheel wheel, std::uint64_t floor, WorkBudget& budget,
                                                 const std::function<void(const Wheel&)>& onSmaller) {
    Load(wheel);
    Wheel best = std::move(wheel);
    temperature_ = kCool.hot;
    warm_ = false;
    while (tickets_.size() > floor && tickets_.size() > 1 && !budget.Exhausted()) {
        budget.Spend(tickets_.size() * Binomial(k_, t_));
        RemoveTicket(LeastNeededTicket());
        if (!Anneal(budget)) {
            break;
        }
        best = tickets_;
        if (onSmaller) {
            onSmaller(best);
        }
    }
    return best;
}

CoverageAnnealer::Wheel CoverageAnnealer::Greedy(WorkBudget& budget) {
    Clear();
    std::uint32_t first = 0;
    std::vector<int> members(static_cast<std::size_t>(m_));
    std::vector<int> inside;
    std::vector<int> outside;
    while (!uncovered_.empty()) {
        if (budget.StopRequested()) {
            return {};
        }
        while (cover_[first] > 0) {
            ++first;
        }
        ranker_.Unrank(first, members.data());
        PoolMask ticket = PoolMask::Of(std::vector<int>(members.begin(), members.begin() + t_));
        while (ticket.Count() < k_) {
            ticket.PositionsInto(inside);
            int chosen = -1;
            std::uint64_t most = 0;
            int ties = 0;
            for (const int candidate : (~ticket & PoolMask::FirstN(v_)).Positions()) {
                PoolMask others = ~ticket & PoolMask::FirstN(v_);
                others.Reset(candidate);
                std::uint64_t gain = 0;
                others.PositionsInto(outside);
                const std::uint64_t weighed = ForEachUnion(
                    inside, t_ - 1, outside, m_ - t_, scratch_, [&](const std::vector<int>& set) {
                        gain += cover_[RankWith(set, candidate)] == 0 ? 1 : 0;
                    });
                budget.Spend(weighed + 1);
                if (chosen < 0 || gain > most) {
                    chosen = candidate;
                    most = gain;
                    ties = 1;
                } else if (gain == most && RandomBelow(++ties) == 0) {
                    chosen = candidate;
                }
            }
            ticket.Set(chosen);
        }
        AddTicket(ticket);
    }
    return tickets_;
}

} // namespace vantorel
