// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/FetchRequest.h"
#include "platform/Outcome.h"
#include "store/FileSystem.h"

#include <chrono>
#include <string>
#include <string_view>

namespace vantorel {

struct GameSettings;

// One update of a game's dated history from the results file a lottery publishes on the web.
struct ResultsUpdateRequest {
    int gameType = -1;
    std::string url;    // http:// or https://
    std::string column; // the file's column where the game's numbers start; empty: the field after the date
    int eraStart = 0;   // the first day of the game's current rules (DateKeyOf); 0 for none
    std::chrono::seconds timeout = kFetchTotalTimeout; // for the whole file
    std::string userAgent = "Vantorel";                // "Vantorel/" and the version
};

// How an update ended when it was not refused (a refused update wrote nothing and says why).
enum class ResultsUpdated {
    kWritten,         // new drawings were written
    kNothingNew,      // the file held no drawing that the history lacks
    kSourceUnchanged, // the server said the file has not changed since the last update of the history
    kDeclined,        // the user did not agree to remove the oldest drawings to make room; nothing written
    kCancelled,       // `progress` cancelled the fetch; nothing was written and nothing is told
};

// Shown when the server answers that the file has not changed.
inline constexpr std::string_view kResultsSourceUnchanged =
    "No new drawings: VTRMAIN.DAT was not changed.\n\nThe results file has not changed since the last "
    "update.";

// "The note for the next update (VTRUPDATE.DAT) could not be written:\n<cause>.\nThe next update fetches the
// whole results file again." A warning told after the drawings were written, when only that note failed.
std::string ValidatorsNotKeptMessage(FileFault fault);

// Updates the dated history of the current directory's vtrmain.dat from `request.url`: fetches the file
// (asking only whether it changed when the last update of this history section from this address and
// column kept what the server said identifies it, in vtrupdate.dat, and the section and the era are as
// that update left them), then imports it exactly as ImportResultsText does (the same checks, summary and
// question, put to `ask` while no lock is held). After an import that wrote the drawings or found nothing
// new, keeps what the server said for the next update. Blocks until done and runs on any thread; `progress`
// is called on that thread while the file arrives and cancels the fetch by returning false. The outcome
// carries the messages to show (the import's summary, kResultsSourceUnchanged, ValidatorsNotKeptMessage);
// refused with the message that says why nothing was written when the fetch or the import failed.
Outcome<ResultsUpdated> UpdateResults(const ResultsUpdateRequest& request, const GameSettings& settings,
                                      const AskQuestion& ask, const FetchProgressCallback& progress = {},
                                      FileSystem& files = RealFileSystem());

} // namespace vantorel
