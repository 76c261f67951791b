#pragma once

#include "net/FetchRequest.h"
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

enum class ResultsUpdateOutcome {
    kWritten,         // new drawings were written
    kNothingNew,      // the file held no drawing that the history lacks
    kSourceUnchanged, // the server said the file has not changed since the last update of the history
    kDeclined,        // the user did not agree to remove the oldest drawings to make room; nothing written
    kCancelled,       // `progress` cancelled the fetch; nothing was written and nothing shown
    kFailed,          // the fetch or the import failed and its message has been shown; nothing was written
};

// Shown when the server answers that the file has not changed.
inline constexpr std::string_view kResultsSourceUnchanged =
    "No new drawings: VTRMAIN.DAT was not changed.\n\nThe results file has not changed since the last "
    "update.";

// "The note for the next update (VTRUPDATE.DAT) could not be written:\n<cause>.\nThe next update fetches the
// whole results file again." Shown after the drawings were written, when only that note failed.
std::string ValidatorsNotKeptMessage(FileFault fault);

// Updates the dated history of the current directory's vtrmain.dat from `request.url`: fetches the file
// (asking only whether it changed when the last update of this history section from this address and
// column kept what the server said identifies it, in vtrupdate.dat, and the section and the era are as
// that update left them), then imports it exactly as ImportResults does (the same checks, summary and
// question). After an import that wrote the drawings or found nothing new, keeps what the server said for the
// next update. Blocks until done and runs on any thread; `progress` is called on that thread while the file
// arrives and cancels the fetch by returning false. Messages and the question go through MessageBox, like
// every store operation's.
ResultsUpdateOutcome UpdateResults(const ResultsUpdateRequest& request, const GameSettings& settings,
                                   const FetchProgressCallback& progress = {},
                                   FileSystem& files = RealFileSystem());

} // namespace vantorel
