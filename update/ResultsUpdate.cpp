#include "update/ResultsUpdate.h"

#include "net/Fetch.h"
#include "platform/MessageBox.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/KeptValidators.h"
#include "store/ResultsImport.h"

#include <filesystem>

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
// before), and says so when it cannot.
void KeepForNextUpdate(FileSystem& files, const ValidatorSource& source, const HttpValidators& validators,
                       const HttpValidators& keptBefore, std::string_view sectionMark) {
    if (sectionMark.empty() || (validators.empty() && keptBefore.empty())) {
        return;
    }
    if (const FileFault fault = KeepValidators(files, kHistoryFolder, source, validators, sectionMark);
        fault != FileFault::kNone) {
        MessageBox(ValidatorsNotKeptMessage(fault), MessageIcon::Exclamation);
    }
}

} // namespace

std::string ValidatorsNotKeptMessage(FileFault fault) {
    return "The note for the next update (VTRUPDATE.DAT) could not be written:\n" +
           std::string(CauseOf(fault)) + ".\nThe next update fetches the whole results file again.";
}

ResultsUpdateOutcome UpdateResults(const ResultsUpdateRequest& request, const GameSettings& settings,
                                   const FetchProgressCallback& progress, FileSystem& files) {
    if (request.gameType < kThreeNumber || request.gameType > kPowerball) {
        MessageBox(kIllegalGameTypeForUpdate, MessageIcon::Stop);
        return ResultsUpdateOutcome::kFailed;
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
            return ResultsUpdateOutcome::kCancelled;
        }
        MessageBox(fetched.message, MessageIcon::Stop);
        return ResultsUpdateOutcome::kFailed;
    case FetchStatus::kNotModified:
        KeepForNextUpdate(files, source, fetched.validators.empty() ? kept : fetched.validators, kept,
                          markBefore);
        MessageBox(kResultsSourceUnchanged, MessageIcon::Information);
        return ResultsUpdateOutcome::kSourceUnchanged;
    case FetchStatus::kFetched:
        break;
    }
    const ResultsImportResult imported = ImportResultsText(
        fetched.body, request.gameType, {request.column, request.eraStart}, {}, settings, files);
    fetched.body = std::string(); // the file's memory is not needed while the validators are kept
    switch (imported.result) {
    case 1:
        KeepForNextUpdate(files, source, fetched.validators, kept,
                          UpdateMark(imported.sectionMark, request.eraStart));
        return ResultsUpdateOutcome::kWritten;
    case kNothingNewToImport:
        KeepForNextUpdate(files, source, fetched.validators, kept,
                          UpdateMark(imported.sectionMark, request.eraStart));
        return ResultsUpdateOutcome::kNothingNew;
    case kResultsImportDeclined:
        return ResultsUpdateOutcome::kDeclined;
    default:
        return ResultsUpdateOutcome::kFailed;
    }
}

} // namespace vantorel
