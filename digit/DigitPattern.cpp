// SPDX-License-Identifier: GPL-3.0-or-later
#include "digit/DigitPattern.h"

#include <algorithm>
#include <cstdlib>

namespace vantorel {

namespace {

constexpr std::string_view kTooManyDigits3 =
    "Too many digits...\n\nMust be 1 or 2 digits\nfor a 3 number game.";
constexpr std::string_view kTooManyDigits4 =
    "Too many digits...\n\nMust be 1 to 3 digits\nfor a 4 number game.";

// A number written in decimal with leading zeros to `width` characters (a sign counts as one of them).
std::string ZeroPadded(int number, std::size_t width) {
    std::string text = std::to_string(std::abs(static_cast<long long>(number)));
    const std::size_t digitsWanted = number < 0 && width > 0 ? width - 1 : width;
    if (text.size() < digitsWanted) {
        text.insert(0, digitsWanted - text.size(), '0');
    }
    return number < 0 ? "-" + text : text;
}

} // namespace

Outcome<std::string> FindPattern(const DigitDrawTable& table, std::string_view pattern, int game,
                                 bool strict) {
    if (game != kThreeNumber && game != kFourNumber) {
        return Refusal{std::string(kNoGameSelected), NoticeKind::Plain};
    }
    const bool fourNumber = game == kFourNumber;
    const std::size_t width = fourNumber ? 4 : 3;
    if (pattern.size() > width - 1) {
        return Refusal{std::string(fourNumber ? kTooManyDigits4 : kTooManyDigits3), NoticeKind::Plain};
    }
    const std::string reversed(pattern.rbegin(), pattern.rend());
    const bool searchReversed = !strict && pattern.size() >= 2;
    const std::string description =
        searchReversed ? std::string(pattern) + " or " + reversed : std::string(pattern);

    std::string hits;
    int hitCount = 0;
    for (const int number : table.numbers) {
        const std::string written = ZeroPadded(number, width);
        if (written.find(pattern) != std::string::npos ||
            (searchReversed && written.find(reversed) != std::string::npos)) {
            hits += written;
            hits += ' ';
            ++hitCount;
        }
    }
    if (hitCount == 0) {
        return "NO HITS for " + description;
    }
    return "The pattern " + description + " was found in " + std::to_string(hitCount) + " draws:\n" + hits;
}

} // namespace vantorel
