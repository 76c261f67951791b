// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <utility>

namespace vantorel {

// The fifteen strategy choices of the Setup page, in six groups of radio buttons; exactly one flag of
// each group is set.
enum SetupChoice : int {
    kEvenOddCountBalls = 0,
    kEvenOddCountNumbers = 1,
    kHighLowCountBalls = 2,
    kHighLowCountNumbers = 3,
    kPredictByDay = 4,
    kPredictByMonth = 5,
    kPredictByDateRange = 6,
    kPredictNormal = 7,
    kPredictUseBalls = 8,
    kPredictUseNumbers = 9,
    kSearchBox = 10,
    kSearchStraight = 11,
    kBestGuessOptimistic = 12,
    kBestGuessPessimistic = 13,
    kBestGuessNihilistic = 14,
};

inline constexpr int kSetupChoiceCount = 15;

class SetupChoices final {
public:
    // The defaults: Count Numbers, Count Numbers, Normal, Use Balls, Straight Number, Pessimistic.
    SetupChoices() = default;

    bool operator[](int choice) const { return flags_[static_cast<std::size_t>(choice)] != 0; }
    // Sets the choice and clears the other flags of its group.
    void Choose(int choice);
    // The first and last choice of the group that holds `choice`.
    static std::pair<int, int> GroupOf(int choice);

    const std::array<std::uint8_t, kSetupChoiceCount>& flags() const { return flags_; }
    bool operator==(const SetupChoices&) const = default;

private:
    std::array<std::uint8_t, kSetupChoiceCount> flags_ = {0, 1, 0, 1, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0};
};

inline std::pair<int, int> SetupChoices::GroupOf(int choice) {
    constexpr std::array<std::pair<int, int>, 6> kGroups = {
        {{0, 1}, {2, 3}, {4, 7}, {8, 9}, {10, 11}, {12, 14}}};
    for (const auto& group : kGroups) {
        if (choice >= group.first && choice <= group.second) {
            return group;
        }
    }
    return {choice, choice};
}

inline void SetupChoices::Choose(int choice) {
    if (choice < 0 || choice >= kSetupChoiceCount) {
        return;
    }
    const auto [first, last] = GroupOf(choice);
    for (int i = first; i <= last; ++i) {
        flags_[static_cast<std::size_t>(i)] = i == choice ? 1 : 0;
    }
}

} // namespace vantorel
