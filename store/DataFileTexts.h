// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vantorel {

// Texts of the Data File operations that both the Data File page and vantorel-cli show around the store's
// routines.
inline constexpr std::string_view kUnexpectedProblem =
    "There was an unexpected problem\nwith the data operation.";
inline constexpr std::string_view kNoDataEntered = "No Data Entered !";
inline constexpr std::string_view kDataAppendFailed = "Data Append Failed";
inline constexpr std::string_view kAppendSuccessful = "Append Successful";

} // namespace vantorel
