// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelSearch.h"

#include "wheels/CoverageAnnealer.h"
#include "wheels/CoverageVerifier.h"
#include "wheels/KnownWheelSizes.h"
#include "wheels/WheelBounds.h"
#include "wheels/WheelDesigns.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <set>

namespace vantorel {

namespace {

constexpr std::uint64_t kNoCover = std::numeric_limits<std::uint64_t>::max() / 4;
// How many of the wheels found are kept as fallbacks behind the best.
constexpr std::size_t kKeptWheels = 3;
// A design on up to this many more points is cut down to the pool as a starting wheel.
constexpr int kShortenedReach = 3;

std::uint64_t SeedFor(std::uint64_t seed, int part) {
    return seed * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(part) * 0xBF58476D1CE4E5B9ULL + 1;
}

// Fills `ticket` up to K with the lowest positions of 0..V-1 it lacks.
PoolMask FillUp(PoolMask ticket, int k, int v) {
    for (int position = 0; ticket.Count() < k && position < v; ++position) {
        ticket.Set(position);
    }
    return ticket;
}

std::string JoinSizes(const std::vector<int>& sizes) {
    std::string text;
    for (const int size : sizes) {
        text += (text.empty() ? "" : ", ") + std::to_string(size);
    }
    return text;
}

// The partition design for "T if M" with M > T: the pool split into at most `groups` = (M - 1) / (T - 1)
// consecutive groups, every T-set inside a group covered. The group sizes come from a table of the best
// covering found for each size; the sizes whose better covering would lower the total are searched in turn.
class PartitionPlanner final {
public:
    PartitionPlanner(int v, int k, int t, int groups, std::uint64_t seed, bool knownDesigns)
        : v_(v), k_(k), t_(t), groups_(groups), seed_(seed), knownDesigns_(knownDesigns),
          covers_(static_cast<std::size_t>(v + 1)), cost_(static_cast<std::size_t>(v + 1), kNoCover),
          floor_(static_cast<std::size_t>(v + 1), 1), settled_(static_cast<std::size_t>(v + 1), true) {}

    std::optional<FoundWheel> Run(WorkBudget& budget) {
        // The sizes of an even split first (always, so that there is a plan), then the others outwards
        // while the budget lasts.
        std::vector<int> sizes(static_cast<std::size_t>(v_));
        for (int size = 1; size <= v_; ++size) {
            sizes[static_cast<std::size_t>(size - 1)] = size;
        }
        const auto distance = [this](int size) {
            return std::abs(size * groups_ - v_);
        };
        std::stable_sort(sizes.begin(), sizes.end(), [&](int a, int b) { return distance(a) < distance(b); });
        for (const int size : sizes) {
            const bool even = distance(size) < groups_;
            if ((even || !budget.Exhausted()) && !CoverFirst(size, budget)) {
                return std::nullopt;
            }
        }
        const std::uint64_t slice = std::max<std::uint64_t>(1, budget.Remaining() / 12);
        while (!budget.Exhausted()) {
            const int size = MostPromisingSize();
            if (size == 0) {
                break;
            }
            WorkBudget share = budget.Share(slice);
            CoverageAnnealer annealer(size, k_, t_, t_, SeedFor(seed_, size));
            std::vector<PoolMask> smaller = annealer.Shrink(covers_[static_cast<std::size_t>(size)],
                                                            floor_[static_cast<std::size_t>(size)], share);
            if (smaller.size() < cost_[static_cast<std::size_t>(size)]) {
                cost_[static_cast<std::size_t>(size)] = smaller.size();
                covers_[static_cast<std::size_t>(size)] = std::move(smaller);
            } else {
                settled_[static_cast<std::size_t>(size)] = true;
            }
        }
        const Plan plan = BestPlan(cost_);
        if (plan.total >= kNoCover) {
            return std::nullopt;
        }
        return Assemble(plan);
    }

private:
    struct Plan {
        std::uint64_t total = kNoCover;
        std::vector<int> sizes;
    };

    // The first covering of a group of `size`: one ticket when it fits in one, else a known design or a
    // greedy covering. False when a stop was asked.
    bool CoverFirst(int size, WorkBudget& budget) {
        const std::size_t at = static_cast<std::size_t>(size);
        if (size <= k_) {
            covers_[at] = {PoolMask::FirstN(size)};
            cost_[at] = 1;
            settled_[at] = true;
            return true;
        }
        floor_[at] = SchoenheimBound(size, k_, t_);
        std::optional<Design> design =
            knownDesigns_ ? KnownDesign(size, k_, t_, WheelSearch::kMaxTickets) : std::nullopt;
        if (design) {
            covers_[at] = std::move(design->blocks);
        } else if (CoverageAnnealer::Fits(size, k_, t_, t_)) {
            CoverageAnnealer annealer(size, k_, t_, t_, SeedFor(seed_, size));
            covers_[at] = annealer.Greedy(budget);
            if (budget.StopRequested()) {
                return false;
            }
        }
        cost_[at] = covers_[at].empty() ? kNoCover : covers_[at].size();
        settled_[at] =
            covers_[at].empty() || cost_[at] <= floor_[at] || !CoverageAnnealer::Fits(size, k_, t_, t_);
        return true;
    }

    // The fewest tickets over splits of the pool into at most groups_ groups, with their sizes.
    Plan BestPlan(const std::vector<std::uint64_t>& cost) const {
        const std::size_t width = static_cast<std::size_t>(v_ + 1);
        std::vector<std::uint64_t> best(width, kNoCover);
        best[0] = 0;
        std::vector<std::vector<int>> last(static_cast<std::size_t>(groups_ + 1), std::vector<int>(width, 0));
        std::vector<std::vector<std::uint64_t>> table{best};
        for (int group = 1; group <= groups_; ++group) {
            std::vector<std::uint64_t> next = table.back();
            for (int used = 1; used <= v_; ++used) {
                for (int size = 1; size <= used; ++size) {
                    const std::uint64_t total = table.back()[static_cast<std::size_t>(used - size)] +
                                                cost[static_cast<std::size_t>(size)];
                    if (total < next[static_cast<std::size_t>(used)]) {
                        next[static_cast<std::size_t>(used)] = total;
                        last[static_cast<std::size_t>(group)][static_cast<std::size_t>(used)] = size;
                    }
                }
            }
            table.push_back(std::move(next));
        }
        Plan plan;
        plan.total = table.back()[static_cast<std::size_t>(v_)];
        if (plan.total >= kNoCover) {
            return plan;
        }
        for (int group = groups_, used = v_; group > 0 && used > 0; --group) {
            const int size = last[static_cast<std::size_t>(group)][static_cast<std::size_t>(used)];
            if (size > 0) {
                plan.sizes.push_back(size);
                used -= size;
            }
        }
        std::sort(plan.sizes.rbegin(), plan.sizes.rend());
        return plan;
    }

    // The size whose covering, were it as small as its lower bound, would lower the total the most.
    int MostPromisingSize() const {
        const std::uint64_t now = BestPlan(cost_).total;
        int chosen = 0;
        std::uint64_t largestGain = 0;
        for (int size = k_ + 1; size <= v_; ++size) {
            const std::size_t at = static_cast<std::size_t>(size);
            if (settled_[at]) {
                continue;
            }
            std::vector<std::uint64_t> hoped = cost_;
            hoped[at] = floor_[at];
            const std::uint64_t total = BestPlan(hoped).total;
            if (total < now && now - total > largestGain) {
                largestGain = now - total;
                chosen = size;
            }
        }
        return chosen;
    }

    FoundWheel Assemble(const Plan& plan) const {
        std::set<PoolMask> tickets;
        int start = 0;
        for (const int size : plan.sizes) {
            for (const PoolMask& block : covers_[static_cast<std::size_t>(size)]) {
                PoolMask ticket;
                for (const int position : block.Positions()) {
                    ticket.Set(start + position);
                }
                tickets.insert(FillUp(ticket, k_, v_));
            }
            start += size;
        }
        const std::string guarantee = std::to_string(t_) + " if " + std::to_string(t_);
        return {{tickets.begin(), tickets.end()},
                "partition into " + std::to_string(plan.sizes.size()) + " groups of " +
                    JoinSizes(plan.sizes) + " numbers, each wheeled " + guarantee};
    }

    int v_;
    int k_;
    int t_;
    int groups_;
    std::uint64_t seed_;
    bool knownDesigns_;
    std::vector<std::vector<PoolMask>> covers_; // [size]: the best covering found of a group of that size
    std::vector<std::uint64_t> cost_;           // [size]: its tickets
    std::vector<std::uint64_t> floor_;          // [size]: the Schönheim bound
    std::vector<bool> settled_;                 // [size]: not worth searching (again)
};

// The fewest tickets a wheel can have: the lower bound, or the published size where it is proven optimal
// (a search that reaches it can stop there).
std::uint64_t FewestTickets(int v, int k, int t, int m) {
    const std::uint64_t bound = LowerBoundFor(v, k, t, m).tickets;
    const std::optional<KnownWheelSize> known = FindKnownWheelSize(v, k, t, m);
    return known && known->proven ? std::max(bound, known->tickets) : bound;
}

} // namespace

WheelSearch::WheelSearch(int v, int k, int t, int m, std::uint64_t seed,
                         std::function<void(std::size_t)> onSmaller)
    : v_(v), k_(k), t_(t), m_(m), seed_(seed), onSmaller_(std::move(onSmaller)),
      floor_(FewestTickets(v, k, t, m)) {}

std::size_t WheelSearch::BestSize() const {
    return found_.empty() ? std::numeric_limits<std::size_t>::max() : found_.back().tickets.size();
}

void WheelSearch::Offer(FoundWheel wheel) {
    if (wheel.tickets.empty() || wheel.tickets.size() >= BestSize()) {
        return;
    }
    found_.push_back(std::move(wheel));
    if (found_.size() > kKeptWheels) {
        found_.erase(found_.begin());
    }
    if (onSmaller_) {
        onSmaller_(found_.back().tickets.size());
    }
}

std::vector<FoundWheel> WheelSearch::Run(WorkBudget& budget) {
    found_.clear();
    if (t_ == 1) {
        // Every number but M - 1 on some ticket: the tickets hold 0..V-M in turn.
        std::vector<PoolMask> tickets;
        for (int start = 0; start <= v_ - m_; start += k_) {
            const PoolMask held =
                PoolMask::FirstN(std::min(start + k_, v_ - m_ + 1)) & ~PoolMask::FirstN(start);
            tickets.push_back(FillUp(held, k_, v_));
        }
        Offer({tickets,
               "all but " + std::to_string(m_ - 1) + " of the numbers, " + std::to_string(k_) + " a ticket"});
        return found_;
    }
    if (k_ == v_) {
        Offer({{PoolMask::FirstN(v_)}, "one ticket holding every number"});
        return found_;
    }
    if (floor_ > kMaxTickets) {
        return {};
    }
    if (t_ == m_) {
        RunCovering(budget);
    } else {
        RunLottoDesign(budget);
    }
    return found_;
}

void WheelSearch::RunCovering(WorkBudget& budget) {
    if (knownDesigns_) {
        OfferKnownDesigns();
    }
    if (BestSize() <= floor_ || !CoverageAnnealer::Fits(v_, k_, t_, m_)) {
        return;
    }
    CoverageAnnealer annealer(v_, k_, t_, m_, seed_);
    Offer({annealer.Greedy(budget), "greedy wheel"});
    Shrink(budget);
}

// The design for the pool, else designs on a few more numbers cut down to it.
void WheelSearch::OfferKnownDesigns() {
    if (std::optional<Design> design = KnownDesign(v_, k_, t_, kMaxTickets)) {
        Offer({std::move(design->blocks), design->name});
    }
    if (BestSize() <= floor_) {
        return;
    }
    for (const DesignParameters& larger : KnownDesignParameters()) {
        if (larger.k == k_ && larger.t == t_ && larger.v > v_ && larger.v <= v_ + kShortenedReach) {
            if (std::optional<Design> design = KnownDesign(larger.v, k_, t_, kMaxTickets)) {
                Design shortened = ShortenDesign(*design, v_);
                Offer({std::move(shortened.blocks), shortened.name});
            }
        }
    }
}

void WheelSearch::RunLottoDesign(WorkBudget& budget) {
    const int groups = (m_ - 1) / (t_ - 1);
    const bool countable = CoverageAnnealer::Fits(v_, k_, t_, m_);
    if (groups >= 2) {
        WorkBudget share = budget.Share(countable ? budget.Remaining() * 2 / 5 : budget.Remaining() * 9 / 10);
        if (std::optional<FoundWheel> partition =
                PartitionPlanner(v_, k_, t_, groups, seed_, knownDesigns_).Run(share)) {
            Offer(std::move(*partition));
        }
    }
    if (countable) {
        CoverageAnnealer annealer(v_, k_, t_, m_, seed_);
        Offer({annealer.Greedy(budget), "greedy wheel"});
        Shrink(budget);
        return;
    }
    if (found_.empty()) {
        // Any covering of every T-set also keeps "T if M".
        WheelSearch covering(v_, k_, t_, t_, seed_);
        WorkBudget share = budget.Share(budget.Remaining() / 2);
        std::vector<FoundWheel> coverings = covering.Run(share);
        if (!coverings.empty()) {
            FoundWheel best = std::move(coverings.back());
            best.method += " (every " + std::to_string(t_) + " numbers together on a ticket)";
            Offer(std::move(best));
        }
    }
    DropUnneeded(budget);
}

void WheelSearch::Shrink(WorkBudget& budget) {
    if (found_.empty() || BestSize() <= floor_ || budget.Exhausted()) {
        return;
    }
    CoverageAnnealer annealer(v_, k_, t_, m_, SeedFor(seed_, 0));
    const std::string method = found_.back().method + ", improved by local search";
    annealer.Shrink(found_.back().tickets, floor_, budget, [&](const std::vector<PoolMask>& smaller) {
        Offer({smaller, method});
    });
}

// Drops, from the last ticket to the first, every ticket the wheel keeps its guarantee without.
void WheelSearch::DropUnneeded(WorkBudget& budget) {
    if (found_.empty()) {
        return;
    }
    FoundWheel wheel = found_.back();
    bool dropped = false;
    for (std::size_t i = wheel.tickets.size();
         i-- > 0 && wheel.tickets.size() > floor_ && !budget.Exhausted();) {
        std::vector<PoolMask> without = wheel.tickets;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        const CoverageVerdict verdict =
            FindMissingSet(v_, without, t_, m_, budget.StopToken(), budget.Remaining(), budget.Deadline());
        budget.Spend(verdict.steps + 1);
        if (verdict.status == CoverageVerdict::Status::Holds) {
            wheel.tickets = std::move(without);
            dropped = true;
        }
    }
    if (dropped) {
        wheel.method += ", tickets it does without dropped";
        Offer(std::move(wheel));
    }
}

} // namespace vantorel
