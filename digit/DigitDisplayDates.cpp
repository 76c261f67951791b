#include "digit/DigitDisplayDates.h"

#include "store/CalendarDates.h"

namespace vantorel::digit_detail {

namespace {
constexpr std::size_t kDateLength = 8;
}

DisplayDateWriter::~DisplayDateWriter() {
    Settle();
}

void DisplayDateWriter::Append(std::string& text, std::string_view storedDate) {
    if (storedDate.size() != kDateLength) {
        Settle();
        std::string date(storedDate);
        ToDisplayDate(date); // shows the message; the date stays as stored
        text += date;
        return;
    }
    text.append(storedDate.substr(3, 2)).append(1, '/');
    text.append(storedDate.substr(6, 2)).append(1, '/');
    text.append(storedDate.substr(0, 2));
    lastConverted_.assign(storedDate);
}

void DisplayDateWriter::Settle() {
    if (!lastConverted_.empty()) {
        ToDisplayDate(lastConverted_);
        lastConverted_.clear();
    }
}

} // namespace vantorel::digit_detail
