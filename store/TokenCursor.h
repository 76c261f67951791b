// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace vantorel {

// Walks the whitespace-separated words of one line of text (blanks, tabs and carriage returns separate
// words). Never reads outside the text it was given.
class TokenCursor final {
public:
    explicit TokenCursor(std::string_view text) : text_(text) {}

    // The next word, or an empty view at the end of the text.
    std::string_view NextWord();
    bool AtEnd();

private:
    void SkipBlanks();
    std::string_view text_;
    std::size_t position_ = 0;
};

// Reads a whole number at the start of a word the way a formatted read does: an optional sign, then
// digits up to the first non-digit. Returns nothing when the word does not start with a number. Values
// beyond the range of int saturate.
std::optional<int> LeadingWholeNumber(std::string_view word);

} // namespace vantorel
