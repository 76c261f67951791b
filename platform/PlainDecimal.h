// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vantorel {

// The plain decimal conversion used for every number read from a profile value or a typed text: leading
// blanks are skipped, digits are read up to the first non-digit, and nothing read gives 0. There is no
// sign. Values beyond the range of int saturate at its maximum.
int PlainDecimal(std::string_view text);

// True when the plain decimal conversion of the text reads at least one digit.
bool ReadsDigits(std::string_view text);

} // namespace vantorel
