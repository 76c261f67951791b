// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// A calendar day of a drawing, with the year written in full. Four bytes: a statistics record holds one
// for each of the 10,000 numbers of the 4 Number game.
struct CalendarDay {
    std::int16_t year = 0;
    std::int8_t month = 0;
    std::int8_t day = 0;

    // The day of a stored date (yy/mm/dd, the year through the century window: below 84 is 20yy);
    // nothing when the text is not a plausible stored date.
    static std::optional<CalendarDay> FromStored(std::string_view storedDate);

    // ISO 8601: yyyy-mm-dd.
    std::string Iso() const;
    // The program's display form mm/dd/yy.
    std::string Display() const;
    std::array<char, 8> DisplayCharacters() const;

    auto operator<=>(const CalendarDay&) const = default;
};

} // namespace vantorel
