#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The lines of a text whose lines end with "\n", without their ends; a last piece without "\n" is a line
// too, and an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace vantorel
