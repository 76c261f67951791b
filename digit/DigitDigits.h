// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

namespace vantorel::digit_detail {

// The digits of a drawn number, highest position first (hundreds or thousands first, units last), with
// leading zeros as 0. Only the first `positions` entries are used.
using Digits = std::array<int, 4>;

// The digits of a number of the game with `positions` digits (3 or 4); nothing when the number lies
// outside the game's range 0 .. 999 or 0 .. 9999 and so has no such digits.
inline std::optional<Digits> DigitsOf(int number, int positions) {
    const int range = positions == 3 ? 1000 : 10000;
    if (number < 0 || number >= range) {
        return std::nullopt;
    }
    Digits digits{};
    for (int position = positions - 1; position >= 0; --position) {
        digits[static_cast<std::size_t>(position)] = number % 10;
        number /= 10;
    }
    return digits;
}

} // namespace vantorel::digit_detail
