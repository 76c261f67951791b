#pragma once

#include "platform/Outcome.h"
#include "store/FileSystem.h"

#include <string_view>

namespace vantorel {

struct GameSettings;

inline constexpr std::string_view kBadDataEntered = "Insufficient Data or\nBad Data Entered";

// Adds one typed drawing as the newest drawing of the history `2 x gameType + dated` and raises the
// section's count by one. Typed forms: "123" or "01/02/98 123" for the digit games (the digits are stored
// as typed), "3 15 22 31 40" or "01/02/98 3 15 22 31 40" for the others (any non-digit separates numbers,
// numbers lose their leading zeros). Refused with kBadDataEntered (or the date's message) when the text is
// no drawing of the game, or with why it could not be written. The history is locked against other writers
// from before it is read until it has been replaced.
Outcome<Done> AppendEntry(std::string_view text, int gameType, bool dated, const GameSettings& settings,
                          FileSystem& files = RealFileSystem());

} // namespace vantorel
