// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace vantorel {

class Clock;

// A source of pseudo-random values 0..32767. Engines take this interface so tests can script the values.
class RandomSource {
public:
    static constexpr int kMax = 32767;

    virtual ~RandomSource() = default;
    virtual int Next() = 0;
};

// The program's generator: a linear congruential generator with the range and step of the classic C
// runtime generator, so a planted seed always gives the same sequence.
class RandomGenerator final : public RandomSource {
public:
    explicit RandomGenerator(std::uint32_t seed) : state_(seed) {}

    // Seeded with the planted seed when there is one (not 0), otherwise with the clock's seconds.
    static RandomGenerator Seeded(int plantedSeed, const Clock& clock);

    int Next() override;

private:
    std::uint32_t state_;
};

// Returns the given values in order, starting again from the first when they run out (0 when empty).
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}
    int Next() override;

private:
    std::vector<int> values_;
    std::size_t next_ = 0;
};

} // namespace vantorel
