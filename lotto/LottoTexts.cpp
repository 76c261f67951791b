// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/LottoTexts.h"

#include "store/CalendarDates.h"

#include <array>
#include <charconv>
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

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The plain decimal value of a two-character date field: a blank before a digit is skipped, reading
// stops at the first non-digit, nothing read gives 0.
int FieldValue(char first, char second) {
    if (first == ' ' || first == '\t') {
        return IsDigit(second) ? second - '0' : 0;
    }
    if (!IsDigit(first)) {
        return 0;
    }
    return IsDigit(second) ? (first - '0') * 10 + (second - '0') : first - '0';
}

} // namespace

int DateKey(std::string_view storedDate) {
    int year = 0;
    int month = 0;
    int day = 0;
    if (storedDate.size() == 8) {
        // The fields that SplitDate reads, without its conversions of each field as a text.
        year = FieldValue(storedDate[0], storedDate[1]);
        month = FieldValue(storedDate[3], storedDate[4]);
        day = FieldValue(storedDate[6], storedDate[7]);
    } else {
        SplitDate(storedDate, year, month, day);
    }
    return CenturyWindowYear(year) * 10000 + month * 100 + day;
}

void AppendNumber(std::string& line, int number) {
    std::array<char, kNumberWidth> digits{};
    const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    line.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

bool AppendDisplayDate(std::string& line, std::string_view storedDate, Notices& notices) {
    const Outcome<std::string> date = ToDisplayDate(storedDate);
    AddNotices(notices, date.notices());
    if (date.refused()) {
        return false;
    }
    line += *date;
    return true;
}

LineWriter::LineWriter(std::string& text, std::size_t longest) : text_(text), position_(text.size()) {
    text_.resize(position_ + longest, ' ');
}

void LineWriter::Text(std::string_view text) {
    const std::size_t length = std::min(text.size(), text_.size() - position_);
    std::copy_n(text.data(), length, text_.begin() + static_cast<std::ptrdiff_t>(position_));
    position_ += length;
}

std::size_t LineWriter::Number(int value) {
    if (value >= 0 && value < 100 && text_.size() - position_ >= 2) {
        // Ball numbers: one or two digits, written directly.
        if (value >= 10) {
            text_[position_++] = static_cast<char>('0' + value / 10);
        }
        text_[position_++] = static_cast<char>('0' + value % 10);
        return value >= 10 ? 2 : 1;
    }
    char* const start = text_.data() + position_;
    const auto result = std::to_chars(start, text_.data() + text_.size(), value);
    if (result.ec != std::errc()) {
        return 0;
    }
    const auto length = static_cast<std::size_t>(result.ptr - start);
    position_ += length;
    return length;
}

bool LineWriter::Date(DisplayDateWriter& dates, std::string_view storedDate) {
    std::array<char, 8> display{};
    if (!dates.Convert(storedDate, display)) {
        return false;
    }
    Text(std::string_view(display.data(), display.size()));
    return true;
}

} // namespace vantorel
