#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// Messages and fixed texts of the lotto and Power Ball operations that more than one routine uses.
inline constexpr std::string_view kNoDateEntered =
    "No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)";
inline constexpr std::string_view kInvalidDate = "The date enetred is invalid.\n     Operation Aborted.";
inline constexpr std::string_view kDateErrorText = "Date Error";
inline constexpr std::string_view kQueryParseError =
    "Parse error in query string or not\nenough information entered "
    "to\ncompletely evaluate the query.\n\n  Operation Aborted.";
inline constexpr std::string_view kBallAboveLimit =
    "A specified ball number exceeds the\nupper limit of the game type.";
inline constexpr std::string_view kDuplicateBalls =
    "Duplicate ball numbers found in query.\n\tSearch Aborted.";
inline constexpr std::string_view kTooManyPartialNumbers =
    "Too many numbers for a partial search.\nPlease use the \"Number\" option to\nmatch All "
    "numbers.\n\tSearch "
    "Aborted.";
inline constexpr std::string_view kNoNumbersEntered = "No Numbers Entered";

// Splits off the text up to the next single space (the piece) and the space; nothing when no space is
// left. Two adjacent spaces give an empty piece.
std::optional<std::string_view> NextPiece(std::string_view& rest);

// A number typed in a query: blanks skipped, an optional sign, digits up to the first non-digit; nothing
// read gives 0. Values beyond the range of int saturate.
int QueryNumber(std::string_view piece);

// The display form of a stored date (ToDisplayDate, which shows its message on a wrong length). Nothing
// when it cannot be converted.
std::optional<std::string> DisplayDateOf(std::string_view storedDate);

// A stored date that a date search can compare: 8 characters.
bool IsComparableDate(std::string_view storedDate);

} // namespace vantorel
