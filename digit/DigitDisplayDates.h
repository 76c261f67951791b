#pragma once

#include <string>
#include <string_view>

namespace vantorel::digit_detail {

// Writes stored dates (yy/mm/dd) in the display form (mm/dd/yy) for a report of many lines, with the
// outcome of ToDisplayDate on each: the same text, the same message for a date of the wrong length
// (which is then written as stored), and the same last good date afterwards. Dates of the right length
// are rearranged here; ToDisplayDate sees only the last of them, just before a wrong one and at the end,
// which is all that its last good date depends on.
class DisplayDateWriter final {
public:
    DisplayDateWriter() = default;
    ~DisplayDateWriter();
    DisplayDateWriter(const DisplayDateWriter&) = delete;
    DisplayDateWriter& operator=(const DisplayDateWriter&) = delete;

    void Append(std::string& text, std::string_view storedDate);

private:
    // Hands the last date rearranged here to ToDisplayDate, so that it becomes the last good date.
    void Settle();

    std::string lastConverted_;
};

} // namespace vantorel::digit_detail
