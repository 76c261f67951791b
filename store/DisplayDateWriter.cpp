// SPDX-License-Identifier: GPL-3.0-or-later
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
        // ToDisplayDate's message names the last date converted before this one.
        RememberLastConverted();
        const Outcome<std::string> refused = ToDisplayDate(storedDate);
        notices_.insert(notices_.end(), refused.notices().begin(), refused.notices().end());
        return false;
    }
    // mm/dd/yy from yy/mm/dd, as ToDisplayDate moves the characters.
    display = {storedDate[3], storedDate[4], '/',           storedDate[6],
               storedDate[7], '/',           storedDate[0], storedDate[1]};
    lastConverted_.assign(storedDate);
    return true;
}

void DisplayDateWriter::RememberLastConverted() {
    if (!lastConverted_.empty()) {
        static_cast<void>(ToDisplayDate(lastConverted_));
        lastConverted_.clear();
    }
}

} // namespace vantorel
