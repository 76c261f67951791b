// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/PrizeTable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <tuple>

namespace vantorel {

int PrizeTable::TierOf(int matched, bool bonus) const {
    for (std::size_t i = 0; i < tiers.size(); ++i) {
        const PrizeTier& tier = tiers[i];
        if (tier.shape == TierShape::kBalls && tier.matched == matched && tier.bonus == bonus) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int PrizeTable::StraightTier() const {
    for (std::size_t i = 0; i < tiers.size(); ++i) {
        if (tiers[i].shape == TierShape::kStraight) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int PrizeTable::BoxTier(int ways) const {
    for (std::size_t i = 0; i < tiers.size(); ++i) {
        if (tiers[i].shape == TierShape::kBox && tiers[i].boxWays == ways) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string BallTierLabel(int matched, bool bonus, bool gameHasBonus) {
    std::string label = std::to_string(matched);
    if (gameHasBonus) {
        label += bonus ? "+1" : "+0";
    }
    return label;
}

std::string BoxTierLabel(int ways) {
    return "box-" + std::to_string(ways);
}

int BoxWaysOf(const std::vector<int>& digits) {
    std::array<int, 10> counts{};
    for (const int digit : digits) {
        if (digit >= 0 && digit <= 9) {
            ++counts[static_cast<std::size_t>(digit)];
        }
    }
    const auto factorial = [](int n) {
        int product = 1;
        for (int i = 2; i <= n; ++i) {
            product *= i;
        }
        return product;
    };
    int ways = factorial(static_cast<int>(digits.size()));
    for (const int count : counts) {
        ways /= factorial(count);
    }
    return ways;
}

std::span<const int> BoxWaysOfGame(int digits) {
    static constexpr std::array<int, 2> kThreeDigits = {3, 6};
    static constexpr std::array<int, 4> kFourDigits = {4, 6, 12, 24};
    return digits == 3 ? std::span<const int>(kThreeDigits) : std::span<const int>(kFourDigits);
}

PrizeTier BallTier(int matched, bool bonus, bool gameHasBonus, PrizeKind kind, std::int64_t dollars) {
    return {BallTierLabel(matched, bonus, gameHasBonus), TierShape::kBalls, matched, bonus, 0, kind, dollars};
}

PrizeTier StraightTier(PrizeKind kind, std::int64_t dollars) {
    return {std::string(kStraightTier), TierShape::kStraight, 0, false, 0, kind, dollars};
}

PrizeTier BoxTier(int ways, PrizeKind kind, std::int64_t dollars) {
    return {BoxTierLabel(ways), TierShape::kBox, 0, false, ways, kind, dollars};
}

void SortTiers(std::vector<PrizeTier>& tiers) {
    const auto rank = [](const PrizeTier& tier) {
        return std::make_tuple(tier.shape != TierShape::kStraight, tier.boxWays, -tier.matched, !tier.bonus);
    };
    std::stable_sort(tiers.begin(), tiers.end(),
                     [&](const PrizeTier& a, const PrizeTier& b) { return rank(a) < rank(b); });
}

} // namespace vantorel
