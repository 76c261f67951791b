// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vantorel {

// Counting for wheels: binomial coefficients, the ranks of M-sets, and lower limits on the number of tickets.

inline constexpr std::uint64_t kCountTooLarge = UINT64_MAX;

// C(n, k); kCountTooLarge when it does not fit in 64 bits. 0 when k < 0 or k > n.
std::uint64_t Binomial(int n, int k);

// The Schönheim bound for a covering of every T-set of V numbers by tickets of K numbers:
// ceil(V/K ceil((V-1)/(K-1) ... ceil((V-T+1)/(K-T+1)))). kCountTooLarge when it overflows.
std::uint64_t SchoenheimBound(int v, int k, int t);

enum class LowerBoundKind {
    Schoenheim, // T = M: the Schönheim bound of the covering design
    Turan,    // T = 2 < M: the pairs that must be covered so that no M numbers avoid them (Turán's theorem)
    Counting, // M-sets in the pool against the M-sets one ticket can serve
    Exact,    // T = 1 < M: enough tickets to hold all but M - 1 numbers
};
std::string_view LowerBoundName(LowerBoundKind kind);

struct WheelLowerBound {
    std::uint64_t tickets = 1;
    LowerBoundKind kind = LowerBoundKind::Schoenheim;
};

// The fewest tickets of K numbers that any wheel "T if M" on V numbers can have (1 <= T <= M <= K <= V).
WheelLowerBound LowerBoundFor(int v, int k, int t, int m);

// Numbers the M-sets of positions 0..V-1 in colex order: rank({s0 < s1 < ...}) = sum C(s_i, i + 1). Only
// for pools whose C(V, M) fits in 32 bits.
class SubsetRanker final {
public:
    SubsetRanker(int v, int m);

    std::uint32_t SubsetCount() const { return count_; }
    std::uint32_t Rank(const int* sorted) const {
        std::uint64_t rank = 0;
        for (int i = 0; i < m_; ++i) {
            rank += Entry(sorted[i], i + 1);
        }
        return static_cast<std::uint32_t>(rank);
    }
    // Writes the M positions of `rank` in ascending order.
    void Unrank(std::uint32_t rank, int* sorted) const;
    // C(n, k) for n < V, k <= M: the part of a rank that position n adds in place k - 1.
    std::uint64_t Entry(int n, int k) const { return table_[static_cast<std::size_t>(n * (m_ + 1) + k)]; }

private:
    int v_;
    int m_;
    std::uint32_t count_;
    std::vector<std::uint64_t> table_;
};

} // namespace vantorel
