#include "lotto/LottoTexts.h"

#include "store/CalendarDates.h"

#include <climits>

namespace vantorel {

std::optional<std::string_view> NextPiece(std::string_view& rest) {
    const std::size_t space = rest.find(' ');
    if (space == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view piece = rest.substr(0, space);
    rest.remove_prefix(space + 1);
    return piece;
}

int QueryNumber(std::string_view piece) {
    std::size_t position = 0;
    while (position < piece.size() && (piece[position] == ' ' || piece[position] == '\t')) {
        ++position;
    }
    bool negative = false;
    if (position < piece.size() && (piece[position] == '-' || piece[position] == '+')) {
        negative = piece[position] == '-';
        ++position;
    }
    long long value = 0;
    for (; position < piece.size() && piece[position] >= '0' && piece[position] <= '9'; ++position) {
        value = value * 10 + (piece[position] - '0');
        if (value > INT_MAX) {
            return negative ? INT_MIN : INT_MAX;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<std::string> DisplayDateOf(std::string_view storedDate) {
    std::string date(storedDate);
    if (ToDisplayDate(date) == 0) {
        return std::nullopt;
    }
    return date;
}

bool IsComparableDate(std::string_view storedDate) {
    return storedDate.size() == 8;
}

} // namespace vantorel
