// SPDX-License-Identifier: GPL-3.0-or-later
#include "digit/DigitGameTables.h"

#include "digit/DigitCompare.h"
#include "digit/DigitPattern.h"
#include "digit/DigitReports.h"
#include "store/SectionReader.h"

namespace vantorel {

DigitGameTables::DigitGameTables(int game)
    : game_(game == kFourNumber ? kFourNumber : kThreeNumber), undated_(SectionNumber(game_, false)),
      dated_(SectionNumber(game_, true)) {}

void DigitGameTables::Load(const std::filesystem::path& historyFile) {
    const HistoryText history = ReadHistoryText(historyFile);
    undated_.Load(history);
    dated_.Load(history);
}

void DigitGameTables::LoadChosen(bool dated, const std::filesystem::path& historyFile) {
    const HistoryText history = ReadHistoryText(historyFile);
    if ((dated ? dated_ : undated_).Load(history) != kSectionLoaded) {
        (dated ? undated_ : dated_).Load(history);
    }
}

bool DigitGameTables::Available(bool dated) const {
    return Chosen(dated).loadStatus == kSectionLoaded;
}

std::string DigitGameTables::StatusText() const {
    return DigitDataStatusText(game_, Histories());
}

Outcome<Done> DigitGameTables::CheckAvailable(bool dated) const {
    if (!Available(dated)) {
        return Refusal{StatusText(), NoticeKind::Warning};
    }
    return Done{};
}

Outcome<DigitOperationResult> DigitGameTables::Apply(const DigitOperationRequest& request,
                                                     const Clock& clock) const {
    return ApplyDigitOperation(Histories(), request, clock);
}

ReportLines DigitGameTables::ListLines(Operation operation, bool dated, const SetupChoices& choices,
                                       const DigitOperationResult& result, Notices& notices) const {
    return DigitResultLines(operation, game_, dated, choices, Histories(), result, notices);
}

Outcome<std::string> DigitGameTables::ComparePicks(bool dated, const std::filesystem::path& pickFile) const {
    return ComparePickFile(Chosen(dated), pickFile);
}

Outcome<std::string> DigitGameTables::FindPattern(bool dated, std::string_view pattern, bool strict) const {
    return vantorel::FindPattern(Chosen(dated), pattern, game_, strict);
}

} // namespace vantorel
