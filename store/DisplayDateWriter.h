// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"

#include <array>
#include <string>
#include <string_view>

namespace vantorel {

// Writes the display form of many stored dates into result lines with the effect of ToDisplayDate on
// each in turn, without its temporary texts: a date of the wrong length leaves ToDisplayDate's message
// (naming the last date converted before it) in `notices`, and after the listing the last good date is the
// last date converted. Reports of thousands of lines use it.
class DisplayDateWriter final {
public:
    explicit DisplayDateWriter(Notices& notices) : notices_(notices) {}
    ~DisplayDateWriter();
    DisplayDateWriter(const DisplayDateWriter&) = delete;
    DisplayDateWriter& operator=(const DisplayDateWriter&) = delete;

    // Appends the display form to `line`; false, with nothing appended, when the date cannot be converted.
    bool Append(std::string& line, std::string_view storedDate);
    // The same, writing the 8 characters of the display form to `display`.
    bool Convert(std::string_view storedDate, std::array<char, 8>& display);

private:
    // Hands the last date converted here to ToDisplayDate, so that it becomes the last good date.
    void RememberLastConverted();

    Notices& notices_;
    std::string lastConverted_;
};

} // namespace vantorel
