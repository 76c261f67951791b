// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

namespace vantorel {

// A set of pool positions 0..127 in two machine words: a ticket, a drawn set or a set of candidates. Pools
// hold at most 99 numbers, so every set fits.
class PoolMask final {
public:
    static constexpr int kCapacity = 128;

    constexpr PoolMask() = default;

    static constexpr PoolMask FirstN(int n) {
        PoolMask mask;
        mask.low_ = n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
        mask.high_ = n <= 64 ? 0 : n >= 128 ? ~std::uint64_t{0} : (std::uint64_t{1} << (n - 64)) - 1;
        return mask;
    }
    // The positions above `position`.
    static constexpr PoolMask Above(int position) { return ~FirstN(position + 1); }
    static PoolMask Of(const std::vector<int>& positions) {
        PoolMask mask;
        for (const int position : positions) {
            mask.Set(position);
        }
        return mask;
    }

    constexpr void Set(int position) { Word(position) |= Bit(position); }
    constexpr void Reset(int position) { Word(position) &= ~Bit(position); }
    constexpr bool Test(int position) const { return ((position < 64 ? low_ : high_) & Bit(position)) != 0; }
    constexpr int Count() const { return std::popcount(low_) + std::popcount(high_); }
    constexpr bool Empty() const { return (low_ | high_) == 0; }
    // The lowest position in the set; kCapacity when it is empty.
    constexpr int Lowest() const {
        return low_ != 0 ? std::countr_zero(low_) : high_ != 0 ? 64 + std::countr_zero(high_) : kCapacity;
    }
    constexpr int PopLowest() {
        const int position = Lowest();
        if (position < kCapacity) {
            Reset(position);
        }
        return position;
    }
    std::vector<int> Positions() const {
        std::vector<int> positions;
        PositionsInto(positions);
        return positions;
    }
    // Positions() into a vector that keeps its memory from one call to the next.
    void PositionsInto(std::vector<int>& positions) const {
        positions.clear();
        for (PoolMask rest = *this; !rest.Empty();) {
            positions.push_back(rest.PopLowest());
        }
    }
    // The position of rank `index` (0: the lowest) in the set; kCapacity when the set is smaller.
    constexpr int Nth(int index) const {
        PoolMask rest = *this;
        for (int i = 0; i < index; ++i) {
            rest.PopLowest();
        }
        return rest.Lowest();
    }

    constexpr PoolMask operator&(const PoolMask& other) const {
        return {low_ & other.low_, high_ & other.high_};
    }
    constexpr PoolMask operator|(const PoolMask& other) const {
        return {low_ | other.low_, high_ | other.high_};
    }
    constexpr PoolMask operator~() const { return {~low_, ~high_}; }
    constexpr PoolMask& operator&=(const PoolMask& other) { return *this = *this & other; }
    constexpr PoolMask& operator|=(const PoolMask& other) { return *this = *this | other; }
    constexpr bool operator==(const PoolMask& other) const = default;
    constexpr bool operator<(const PoolMask& other) const {
        return high_ != other.high_ ? high_ < other.high_ : low_ < other.low_;
    }

private:
    constexpr PoolMask(std::uint64_t low, std::uint64_t high) : low_(low), high_(high) {}
    static constexpr std::uint64_t Bit(int position) { return std::uint64_t{1} << (position & 63); }
    constexpr std::uint64_t& Word(int position) { return position < 64 ? low_ : high_; }

    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
};

} // namespace vantorel
