// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/CoverageVerifier.h"

#include <algorithm>

namespace vantorel {

namespace {

class MissingSetSearch final {
public:
    MissingSetSearch(int v, const std::vector<PoolMask>& tickets, int t, int m, const std::stop_token& stop,
                     std::uint64_t stepLimit, std::chrono::steady_clock::time_point deadline)
        : v_(v), t_(t), m_(m), tickets_(tickets), stop_(stop), stepLimit_(stepLimit), deadline_(deadline),
          chosen_(static_cast<std::size_t>(m)), holding_(static_cast<std::size_t>(t)),
          ticketsOf_(static_cast<std::size_t>(v)), sharing_(static_cast<std::size_t>(v)) {
        for (std::size_t i = 0; i < tickets_.size(); ++i) {
            tickets_[i] &= PoolMask::FirstN(v);
            for (const int position : tickets_[i].Positions()) {
                ticketsOf_[static_cast<std::size_t>(position)].push_back(static_cast<int>(i));
                sharing_[static_cast<std::size_t>(position)] |= tickets_[i];
            }
        }
        if (t_ == 3) {
            pairCover_.resize(static_cast<std::size_t>(v * v));
            for (const PoolMask& ticket : tickets_) {
                const std::vector<int> positions = ticket.Positions();
                for (std::size_t i = 0; i < positions.size(); ++i) {
                    for (std::size_t j = i + 1; j < positions.size(); ++j) {
                        PairCover(positions[i], positions[j]) |= ticket;
                        PairCover(positions[j], positions[i]) |= ticket;
                    }
                }
            }
        }
        holding_[0].resize(tickets_.size());
        for (std::size_t i = 0; i < tickets_.size(); ++i) {
            holding_[0][i] = static_cast<int>(i);
        }
    }

    CoverageVerdict Run() {
        if (t_ == 1) {
            return RunSingles();
        }
        const bool found = Search(0, PoolMask::FirstN(v_));
        if (cancelled_) {
            return {CoverageVerdict::Status::Cancelled, {}, visits_};
        }
        if (!found) {
            return {CoverageVerdict::Status::Holds, {}, visits_};
        }
        return {CoverageVerdict::Status::Misses, chosen_, visits_};
    }

private:
    // T = 1: an M-set fails when it avoids every ticket.
    CoverageVerdict RunSingles() const {
        PoolMask held;
        for (const PoolMask& ticket : tickets_) {
            held |= ticket;
        }
        const std::vector<int> outside = (~held & PoolMask::FirstN(v_)).Positions();
        if (static_cast<int>(outside.size()) < m_) {
            return {CoverageVerdict::Status::Holds, {}};
        }
        return {CoverageVerdict::Status::Misses, std::vector<int>(outside.begin(), outside.begin() + m_)};
    }

    // chosen_[0..depth) share no covered T-subset; `candidates` are the positions above the last chosen one
    // that can join them.
    bool Search(int depth, PoolMask candidates) {
        if (depth == m_) {
            return true;
        }
        if ((++visits_ & 0x3fff) == 0 && (stop_.stop_requested() || visits_ > stepLimit_ ||
                                          std::chrono::steady_clock::now() >= deadline_)) {
            cancelled_ = true;
        }
        if (cancelled_ || depth + candidates.Count() < m_) {
            return false;
        }
        if (t_ == 2 && depth + ColourBound(candidates, m_ - depth) < m_) {
            return false;
        }
        while (!candidates.Empty()) {
            const int next = candidates.PopLowest();
            if (depth + 1 + candidates.Count() < m_) {
                return false;
            }
            chosen_[static_cast<std::size_t>(depth)] = next;
            if (depth + 1 < t_) {
                KeepHolding(depth, next);
            }
            if (Search(depth + 1, candidates & ~Joined(depth, next)) || cancelled_) {
                return !cancelled_;
            }
        }
        return false;
    }

    // The tickets holding chosen_[0..depth].
    void KeepHolding(int depth, int next) {
        const std::vector<int>& before = holding_[static_cast<std::size_t>(depth)];
        std::vector<int>& after = holding_[static_cast<std::size_t>(depth + 1)];
        after.clear();
        for (const int ticket : before) {
            if (tickets_[static_cast<std::size_t>(ticket)].Test(next)) {
                after.push_back(ticket);
            }
        }
    }

    // The positions that would complete a covered T-set with `next` and T - 2 of chosen_[0..depth).
    PoolMask Joined(int depth, int next) {
        if (depth < t_ - 2) {
            return {};
        }
        if (t_ == 2) {
            return sharing_[static_cast<std::size_t>(next)];
        }
        if (depth == t_ - 2) {
            return UnionOf(holding_[static_cast<std::size_t>(depth + 1)]);
        }
        PoolMask joined;
        if (t_ == 3) {
            for (int i = 0; i < depth; ++i) {
                joined |= PairCover(chosen_[static_cast<std::size_t>(i)], next);
            }
            return joined;
        }
        std::vector<int> subset(static_cast<std::size_t>(t_ - 2));
        ForEachSubset(depth, t_ - 2, 0, 0, subset, [&] { joined |= CoveredWith(next, subset); });
        return joined;
    }

    // Calls `visit` with every `size`-subset of chosen_[0..depth) in `subset`.
    template <typename Visit>
    void ForEachSubset(int depth, int size, int from, int filled, std::vector<int>& subset, Visit&& visit) {
        if (filled == size) {
            visit();
            return;
        }
        for (int i = from; i <= depth - (size - filled); ++i) {
            subset[static_cast<std::size_t>(filled)] = chosen_[static_cast<std::size_t>(i)];
            ForEachSubset(depth, size, i + 1, filled + 1, subset, visit);
        }
    }

    // The union of the tickets that hold `next` and every position of `subset`.
    PoolMask CoveredWith(int next, const std::vector<int>& subset) const {
        const PoolMask wanted = PoolMask::Of(subset);
        PoolMask joined;
        for (const int ticket : ticketsOf_[static_cast<std::size_t>(next)]) {
            const PoolMask& held = tickets_[static_cast<std::size_t>(ticket)];
            if ((held & wanted) == wanted) {
                joined |= held;
            }
        }
        return joined;
    }

    PoolMask& PairCover(int a, int b) { return pairCover_[static_cast<std::size_t>(a * v_ + b)]; }

    PoolMask UnionOf(const std::vector<int>& ticketIndexes) const {
        PoolMask joined;
        for (const int ticket : ticketIndexes) {
            joined |= tickets_[static_cast<std::size_t>(ticket)];
        }
        return joined;
    }

    // T = 2: the candidates that can be chosen together are pairwise uncovered, so at most one of every
    // group of pairwise covered candidates; the number of such groups a greedy split makes bounds them.
    int ColourBound(PoolMask candidates, int enough) const {
        int groups = 0;
        while (!candidates.Empty() && groups < enough) {
            ++groups;
            PoolMask group = candidates;
            while (!group.Empty()) {
                const int position = group.PopLowest();
                candidates.Reset(position);
                group &= sharing_[static_cast<std::size_t>(position)];
            }
        }
        return candidates.Empty() ? groups : enough;
    }

    int v_;
    int t_;
    int m_;
    std::vector<PoolMask> tickets_;
    const std::stop_token& stop_;
    std::uint64_t stepLimit_;
    std::chrono::steady_clock::time_point deadline_;
    std::vector<int> chosen_;
    std::vector<std::vector<int>> holding_;   // [d]: the tickets holding chosen_[0..d), for d < T
    std::vector<std::vector<int>> ticketsOf_; // [p]: the tickets holding position p
    std::vector<PoolMask> sharing_;           // [p]: the positions sharing a ticket with p (p too)
    std::vector<PoolMask> pairCover_;         // T = 3, [a * V + b]: the union of the tickets holding a and b
    std::uint64_t visits_ = 0;
    bool cancelled_ = false;
};

} // namespace

CoverageVerdict FindMissingSet(int v, const std::vector<PoolMask>& tickets, int t, int m,
                               const std::stop_token& stop, std::uint64_t stepLimit,
                               std::chrono::steady_clock::time_point deadline) {
    return MissingSetSearch(v, tickets, t, m, stop, stepLimit, deadline).Run();
}

} // namespace vantorel
