// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vantorel {

// The search's random numbers: xoshiro256** seeded through splitmix64, fast and the same on every
// platform, so a seed always gives the same wheel.
class SearchRandom final {
public:
    explicit SearchRandom(std::uint64_t seed) {
        for (std::uint64_t& word : state_) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t Next() {
        const std::uint64_t result = Rotate(state_[1] * 5, 7) * 9;
        const std::uint64_t shifted = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= shifted;
        state_[3] = Rotate(state_[3], 45);
        return result;
    }

    // 0 .. bound - 1 (bound > 0), by the multiply-shift reduction.
    int Below(int bound) {
        return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(bound)) >> 32);
    }

    // A real number in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    static std::uint64_t Rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t state_[4] = {};
};

} // namespace vantorel
