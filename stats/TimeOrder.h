// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantorel {

// The rows 0 .. count - 1 of a history in time order: file order for an undated history (no dates); for
// a dated one ordered by date through the century window, drawings of one day in file order. A date that
// cannot be read orders as the earliest.
std::vector<int> TimeOrder(int count, const std::vector<std::string>& dates);

} // namespace vantorel
