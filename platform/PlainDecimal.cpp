// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlainDecimal.h"

#include <climits>

namespace vantorel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t FirstNonBlank(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && (text[position] == ' ' || text[position] == '\t')) {
        ++position;
    }
    return position;
}

} // namespace

int PlainDecimal(std::string_view text) {
    std::size_t position = FirstNonBlank(text);
    long long value = 0;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        value = value * 10 + (text[position] - '0');
        if (value > INT_MAX) {
            return INT_MAX;
        }
    }
    return static_cast<int>(value);
}

bool ReadsDigits(std::string_view text) {
    const std::size_t position = FirstNonBlank(text);
    return position < text.size() && IsDigit(text[position]);
}

} // namespace vantorel
