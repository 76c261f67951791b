// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RandomGenerator.h"

#include "platform/Clock.h"

namespace vantorel {

RandomGenerator RandomGenerator::Seeded(int plantedSeed, const Clock& clock) {
    if (plantedSeed != 0) {
        return RandomGenerator(static_cast<std::uint32_t>(plantedSeed));
    }
    return RandomGenerator(static_cast<std::uint32_t>(clock.SecondsNow()));
}

int RandomGenerator::Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7fffu);
}

} // namespace vantorel

namespace vantorel {

int ScriptedRandom::Next() {
    if (values_.empty()) {
        return 0;
    }
    const int value = values_[next_ % values_.size()];
    ++next_;
    return value;
}

} // namespace vantorel
