#include "store/DisplayDateWriter.h"

#include "store/CalendarDates.h"

namespace vantorel {

DisplayDateWriter::~DisplayDateWriter() {
    RememberLastConverted();
}

bool DisplayDateWriter::Append(std::string& line, std::string_view storedDate) {
    std::array<char, 8> display{};
    if (!Convert(storedDate, display)) {
        return false;
    }
    line.append(display.data(), display.size());
    return true;
}

bool DisplayDateWriter::Convert(std::string_view storedDate, std::array<char, 8>& display) {
    if (storedDate.size() != display.size()) {
        // ToDisplayDate shows its message, naming the last date converted before this one.
        RememberLastConverted();
        std::string date(storedDate);
        return ToDisplayDate(date) != 0;
    }
    // mm/dd/yy from yy/mm/dd, as ToDisplayDate moves the characters.
    display = {storedDate[3], storedDate[4], '/',           storedDate[6],
               storedDate[7], '/',           storedDate[0], storedDate[1]};
    lastConverted_.assign(storedDate);
    return true;
}

void DisplayDateWriter::RememberLastConverted() {
    if (!lastConverted_.empty()) {
        ToDisplayDate(lastConverted_);
        lastConverted_.clear();
    }
}

} // namespace vantorel
