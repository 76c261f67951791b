// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// Open-data portals also give results as a JSON array of drawings, one object each, its values by name:
// [{"draw_date": "2022-11-21T00:00:00.000", "winning_numbers": "07 13 ...", "multiplier": "3"}, ...].

// Whether a text is such an array: its first characters other than blanks (and a byte order mark) are "["
// and then "{" or "]".
bool IsJsonArrayOfDrawings(std::string_view text);

// The drawings of a JSON array as the lines of a results file: a header line of the names, in the order
// they first come, then one line per element, its values under their names, separated by tabs. A value
// that is an array gives its values separated by blanks; objects within a drawing are passed over. An
// element that is no object gives its values as they come. Tabs, line ends and double quotes within values
// become blanks.
struct JsonResultsLines {
    std::string text;
    std::vector<int> lineNumbers; // the line of the JSON text where each line of `text` starts, from 1
    std::string problem;          // why the text is no JSON; empty when it is
};
JsonResultsLines JsonDrawingsAsLines(std::string_view json);

} // namespace vantorel
