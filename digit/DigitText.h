// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>

namespace vantorel::digit_detail {

// Appends a number in decimal with leading zeros up to `width` digits (a negative number is written as
// it is). The text grows by exactly the characters written, so a short text stays within its own
// storage.
inline void AppendPadded(std::string& text, long long number, std::size_t width) {
    const bool negative = number < 0;
    unsigned long long rest =
        negative ? 0ULL - static_cast<unsigned long long>(number) : static_cast<unsigned long long>(number);
    std::size_t digits = 1;
    for (unsigned long long shifted = rest / 10; shifted != 0; shifted /= 10) {
        ++digits;
    }
    const std::size_t field = negative ? digits + 1 : std::max(digits, width);
    const std::size_t start = text.size();
    text.resize(start + field, '0');
    if (negative) {
        text[start] = '-';
    }
    for (std::size_t i = start + field; digits > 0; --digits, rest /= 10) {
        text[--i] = static_cast<char>('0' + rest % 10);
    }
}

// Appends a number in decimal.
inline void AppendDecimal(std::string& text, long long number) {
    AppendPadded(text, number, 0);
}

} // namespace vantorel::digit_detail
