// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitDrawTable.h"
#include "digit/DigitOperation.h"
#include "platform/Outcome.h"
#include "platform/ReportLines.h"
#include "store/HistoryFile.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vantorel {

class Clock;
class SetupChoices;

// The undated and the dated history of one digit game (3 Number or 4 Number), with the engine calls of
// that game: what a game page holds while its sheet is open and what vantorel-cli loads. `dated` chooses
// the history.
class DigitGameTables final {
public:
    // Empty histories of kThreeNumber or kFourNumber (anything else is taken as 3 Number).
    explicit DigitGameTables(int game);

    GameType game() const { return game_; }

    // Reads both histories again, with one read of the history file.
    void Load(const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));
    // Reads the chosen history, and the other one only when the chosen one is not there (for the status
    // text that refuses the operation).
    void LoadChosen(bool dated,
                    const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));
    // A history is available when its section was read (an empty one too).
    bool Available(bool dated) const;
    // "Undated 120 : Dated 365", or "No 3 Number Game Data Available" and the like.
    std::string StatusText() const;
    // The chosen history, refused with the status text when it is not available.
    Outcome<Done> CheckAvailable(bool dated) const;

    const DigitDrawTable& Chosen(bool dated) const { return dated ? dated_ : undated_; }
    DigitHistories Histories() const { return {undated_, dated_}; }

    Outcome<DigitOperationResult> Apply(const DigitOperationRequest& request, const Clock& clock) const;
    // The result list lines of a result of `operation` that ran on the chosen history.
    ReportLines ListLines(Operation operation, bool dated, const SetupChoices& choices,
                          const DigitOperationResult& result, Notices& notices) const;
    // The report ("\n"-ended lines) of comparing a pick file with the chosen history; refused when the
    // file cannot be read.
    Outcome<std::string> ComparePicks(bool dated, const std::filesystem::path& pickFile) const;
    // The pattern search of the chosen history (see FindPattern).
    Outcome<std::string> FindPattern(bool dated, std::string_view pattern, bool strict) const;

private:
    GameType game_;
    DigitDrawTable undated_;
    DigitDrawTable dated_;
};

} // namespace vantorel
