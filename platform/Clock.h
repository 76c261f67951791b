// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vantorel {

// Source of the current time in whole seconds, injectable so that clock-seeded randomness is repeatable
// in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t SecondsNow() const = 0;
};

class SystemClock final : public Clock {
public:
    std::int64_t SecondsNow() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(std::int64_t seconds) : seconds_(seconds) {}
    std::int64_t SecondsNow() const override { return seconds_; }

private:
    std::int64_t seconds_;
};

} // namespace vantorel
