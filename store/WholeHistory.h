// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vantorel {

struct GameSettings;

// Whether a text reads as a whole history, the way the section readers read it: it holds at least one
// section line; every line that is not blank is a section line (a section number 0 to 9 as its first word,
// the sections in ascending order, then a count that the section can hold); and every section line holds
// exactly the drawings its count announces, each a date of the stored form (dated sections) and the
// drawing's numbers, written as whole numbers. A Power Ball drawing has the settings' PBM first-group
// numbers and the power ball; with a PBM of 0 (not known) either width the setting allows will do.
bool ReadsAsWholeHistory(std::string_view content, const GameSettings& settings);

} // namespace vantorel
