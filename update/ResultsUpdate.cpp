// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/ResultsUpdate.h"

#include "net/Fetch.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/KeptValidators.h"
#include "store/ResultsImport.h"

#include <filesystem>
#include <optional>
#include <utility>

namespace vantorel {

namespace {

constexpr std::string_view kIllegalGameTypeForUpdate = "Illegal gameType parameter in UpdateResults()";

// The history's folder: the current directory, where every store operation works.
const std::filesystem::path kHistoryFolder;

// Kept validators hold for the section as an update left it and for the era it read the file with: with an
// earlier era (another preset, or none), drawings that were left out may be written now.
std::string UpdateMark(std::string_view sectionMark, int eraStart) {
    return sectionMark.empty() ? std::string()
                               : std::string(sectionMark) + " from " + std::to_string(eraStart);
}

// The mark of the section as it is now; empty when the history cannot be read, so that no validators
// match and the whole file is fetched.
std::string CurrentMark(FileSystem& files, int section, int eraStart) {
    std::string history;
    switch (ReadHistoryFile(files, std::filesystem::path(kHistoryFileName), history)) {
    case ReadStatus::kRead:
    case ReadStatus::kMissing:
        return UpdateMark(HistorySectionMark(history, section), eraStart);
    default:
        return {};
    }
}

FetchRequest RequestFor(const ResultsUpdateRequest& update, const HttpValidators& validators) {
    FetchRequest request;
    request.url = update.url;
    request.totalTimeout = update.timeout;
    request.validators = validators;
    request.userAgent = update.userAgent;
    return request;
}

// Keeps what the server said for the next update (nothing when it said nothing and nothing was kept
// before); the warning that says it could not, if any.
std::optional<Notice> KeepForNextUpdate(FileSystem& files, const ValidatorSource& source,
                                        const HttpValidators& validators, const HttpValidators& keptBefore,
                                        std::string_view sectionMark) {
    if (sectionMark.empty() || (validators.empty() && keptBefore.empty())) {
        return std::nullopt;
    }
    if (const FileFault fault = KeepValidators(files, kHistoryFolder, source, validators, sectionMark);
        fault != FileFault::kNone) {
        return Notice{ValidatorsNotKeptMessage(fault), NoticeKind::Warning};
    }
    return std::nullopt;
}

// `outcome` with the warning of KeepForNextUpdate, if any, told after its own messages.
template <class T> Outcome<T> WithKeepWarning(Outcome<T> outcome, std::optional<Notice> warning) {
    if (warning) {
        outcome.Tell(std::move(*warning));
    }
    return outcome;
}

ResultsUpdated UpdatedBy(ChangeOutcome change) {
    switch (change) {
    case ChangeOutcome::kReplaced:
        return ResultsUpdated::kWritten;
    case ChangeOutcome::kUnchanged:
        return ResultsUpdated::kNothingNew;
    case ChangeOutcome::kDeclined:
        break;
    }
    return ResultsUpdated::kDeclined;
}

} // namespace

std::string ValidatorsNotKeptMessage(FileFault fault) {
    return "The note for the next update (VTRUPDATE.DAT) could not be written:\n" +
           std::string(CauseOf(fault)) + ".\nThe next update fetches the whole results file again.";
}

Outcome<ResultsUpdated> UpdateResults(const ResultsUpdateRequest& request, const GameSettings& settings,
                                      const AskQuestion& ask, const FetchProgressCallback& progress,
                                      FileSystem& files) {
    if (request.gameType < kThreeNumber || request.gameType > kPowerball) {
        return Refusal{std::string(kIllegalGameTypeForUpdate)};
    }
    const int section = SectionNumber(request.gameType, true);
    const ValidatorSource source{section, request.url, request.column};
    const std::string markBefore = CurrentMark(files, section, request.eraStart);
    const HttpValidators kept =
        markBefore.empty() ? HttpValidators{} : ReadKeptValidators(files, kHistoryFolder, source, markBefore);

    FetchResult fetched = Fetch(RequestFor(request, kept), progress);
    switch (fetched.status) {
    case FetchStatus::kFailed:
        if (fetched.failure == FetchFailure::kCancelled) {
            return ResultsUpdated::kCancelled;
        }
        return Refusal{std::move(fetched.message)};
    case FetchStatus::kNotModified: {
        Outcome<ResultsUpdated> unchanged = WithKeepWarning<ResultsUpdated>(
            ResultsUpdated::kSourceUnchanged,
            KeepForNextUpdate(files, source, fetched.validators.empty() ? kept : fetched.validators, kept,
                              markBefore));
        unchanged.Tell({std::string(kResultsSourceUnchanged), NoticeKind::Information});
        return unchanged;
    }
    case FetchStatus::kFetched:
        break;
    }
    const Outcome<ResultsImported> imported = ImportResultsText(
        fetched.body, request.gameType, {request.column, request.eraStart}, {}, settings, ask, files);
    fetched.body = std::string(); // the file's memory is not needed while the validators are kept
    if (imported.refused()) {
        return RefusedAs<ResultsUpdated>(imported);
    }
    Outcome<ResultsUpdated> updated(UpdatedBy(imported->change));
    updated.Precede(imported.notices());
    if (imported->change == ChangeOutcome::kDeclined) {
        return updated;
    }
    return WithKeepWarning(std::move(updated),
                           KeepForNextUpdate(files, source, fetched.validators, kept,
                                             UpdateMark(imported->sectionMark, request.eraStart)));
}

} // namespace vantorel
