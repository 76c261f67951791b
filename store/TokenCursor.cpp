// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TokenCursor.h"

#include <climits>

namespace vantorel {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

void TokenCursor::SkipBlanks() {
    while (position_ < text_.size() && IsBlank(text_[position_])) {
        ++position_;
    }
}

bool TokenCursor::AtEnd() {
    SkipBlanks();
    return position_ >= text_.size();
}

std::string_view TokenCursor::NextWord() {
    SkipBlanks();
    const std::size_t start = position_;
    while (position_ < text_.size() && !IsBlank(text_[position_])) {
        ++position_;
    }
    return text_.substr(start, position_ - start);
}

std::optional<int> LeadingWholeNumber(std::string_view word) {
    std::size_t position = 0;
    bool negative = false;
    if (position < word.size() && (word[position] == '+' || word[position] == '-')) {
        negative = word[position] == '-';
        ++position;
    }
    if (position >= word.size() || !IsDigit(word[position])) {
        return std::nullopt;
    }
    long long value = 0;
    for (; position < word.size() && IsDigit(word[position]); ++position) {
        if (value <= INT_MAX) {
            value = value * 10 + (word[position] - '0');
        }
    }
    if (value > INT_MAX) {
        return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace vantorel
