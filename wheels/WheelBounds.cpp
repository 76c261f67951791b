// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelBounds.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vantorel {

std::uint64_t Binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n) {
        return 0;
    }
    k = std::min(k, n - k);
    std::uint64_t value = 1;
    for (int i = 1; i <= k; ++i) {
        // value * (n - k + i) / i stays exact: value is C(n - k + i - 1, i - 1).
        const std::uint64_t factor = static_cast<std::uint64_t>(n - k + i);
        const std::uint64_t divisor = static_cast<std::uint64_t>(i);
        const std::uint64_t whole = value / divisor;
        const std::uint64_t part = value % divisor;
        if (whole > kCountTooLarge / factor) {
            return kCountTooLarge;
        }
        value = whole * factor + part * factor / divisor;
    }
    return value;
}

std::uint64_t SchoenheimBound(int v, int k, int t) {
    std::uint64_t bound = 1;
    for (int i = t - 1; i >= 0; --i) {
        const std::uint64_t numerator = static_cast<std::uint64_t>(v - i);
        const std::uint64_t denominator = static_cast<std::uint64_t>(k - i);
        if (bound > kCountTooLarge / numerator) {
            return kCountTooLarge;
        }
        bound = (bound * numerator + denominator - 1) / denominator;
    }
    return bound;
}

std::string_view LowerBoundName(LowerBoundKind kind) {
    switch (kind) {
    case LowerBoundKind::Schoenheim:
        return "Schönheim bound";
    case LowerBoundKind::Turan:
        return "Turán bound";
    case LowerBoundKind::Counting:
        return "counting bound";
    case LowerBoundKind::Exact:
        return "exact minimum";
    }
    return "";
}

namespace {

// ceil(C(v, m) / (M-sets one ticket meets in T or more)), in long double when the counts overflow; the
// quotient is taken a hair low so rounding never lifts the bound above the true value.
std::uint64_t CountingBound(int v, int k, int t, int m) {
    long double perTicket = 0;
    for (int j = t; j <= std::min(k, m); ++j) {
        perTicket +=
            static_cast<long double>(Binomial(k, j)) * static_cast<long double>(Binomial(v - k, m - j));
    }
    const long double all =
        std::exp(std::lgamma(static_cast<long double>(v) + 1) - std::lgamma(static_cast<long double>(m) + 1) -
                 std::lgamma(static_cast<long double>(v - m) + 1));
    const std::uint64_t exactAll = Binomial(v, m);
    const long double ratio =
        (exactAll != kCountTooLarge ? static_cast<long double>(exactAll) : all) / perTicket;
    if (ratio >= 1.8e19L) {
        return kCountTooLarge;
    }
    return std::max<std::uint64_t>(1, static_cast<std::uint64_t>(std::ceil(ratio * (1 - 1e-12L))));
}

// Every M numbers must hold a covered pair, so the covered pairs leave no M numbers pairwise uncovered; by
// Turán's theorem at least the pairs inside M - 1 nearly equal groups must be covered.
std::uint64_t TuranBound(int v, int k, int m) {
    const int groups = m - 1;
    const int size = v / groups;
    const int larger = v % groups;
    const std::uint64_t pairs = static_cast<std::uint64_t>(larger) * Binomial(size + 1, 2) +
                                static_cast<std::uint64_t>(groups - larger) * Binomial(size, 2);
    const std::uint64_t perTicket = Binomial(k, 2);
    return std::max<std::uint64_t>(1, (pairs + perTicket - 1) / perTicket);
}

} // namespace

WheelLowerBound LowerBoundFor(int v, int k, int t, int m) {
    if (t == m) {
        return {SchoenheimBound(v, k, t), LowerBoundKind::Schoenheim};
    }
    if (t == 1) {
        const std::uint64_t held = static_cast<std::uint64_t>(v - m + 1);
        return {(held + static_cast<std::uint64_t>(k) - 1) / static_cast<std::uint64_t>(k),
                LowerBoundKind::Exact};
    }
    WheelLowerBound bound{CountingBound(v, k, t, m), LowerBoundKind::Counting};
    if (t == 2) {
        const std::uint64_t turan = TuranBound(v, k, m);
        if (turan > bound.tickets) {
            bound = {turan, LowerBoundKind::Turan};
        }
    }
    return bound;
}

SubsetRanker::SubsetRanker(int v, int m) : v_(v), m_(m), count_(0) {
    const std::uint64_t count = Binomial(v, m);
    if (count > UINT32_MAX) {
        throw std::length_error("too many subsets to rank");
    }
    count_ = static_cast<std::uint32_t>(count);
    table_.resize(static_cast<std::size_t>((v + 1) * (m + 1)));
    for (int n = 0; n <= v; ++n) {
        for (int j = 0; j <= m; ++j) {
            table_[static_cast<std::size_t>(n * (m + 1) + j)] = Binomial(n, j);
        }
    }
}

void SubsetRanker::Unrank(std::uint32_t rank, int* sorted) const {
    std::uint64_t rest = rank;
    int candidate = v_ - 1;
    for (int i = m_; i >= 1; --i) {
        while (Entry(candidate, i) > rest) {
            --candidate;
        }
        sorted[i - 1] = candidate;
        rest -= Entry(candidate, i);
        --candidate;
    }
}

} // namespace vantorel
