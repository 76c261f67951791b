// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitOperation.h"
#include "lotto/LottoOperations.h"
#include "platform/GameCatalogue.h"
#include "platform/Operations.h"
#include "platform/ReportLines.h"
#include "store/HistoryAnalysis.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vantorel {

// A Data File report: a pick-file comparison or a pattern search (its report text).
struct FileReport {
    std::string text;
};

// The typed result of what ran: a digit or a lotto operation, the history analysis, or a Data File report.
using ResultOfRun = std::variant<DigitOperationResult, LottoResult, CheckTable, FileReport>;

// One entry of the result log: what ran, on what, what it found and the list lines formatted from it when
// it ran.
struct ResultRecord {
    std::optional<GameType> game;       // the game the lines are about; none for the whole history file
    std::optional<Operation> operation; // the game page's operation; none for a Data File report
    std::string what;                   // what ran, as the page names it ("Totals", "Compare External File")
    bool dated = false;                 // the history it ran on
    ResultOfRun result;
    ReportLines lines;
};

// The ordered log of what ran, kept by the application for as long as the program runs: "Deja View" shows
// it, printing reads it, and it is what a later export writes. The list of one run of the sheet starts at
// its mark and can be cleared, which moves the mark to the end; the records themselves stay.
class ResultLog final {
public:
    void Add(ResultRecord record);
    const std::vector<ResultRecord>& records() const { return records_; }

    // The records the list shows: from the mark on.
    std::size_t mark() const { return mark_; }
    void MarkEnd() { mark_ = records_.size(); }
    // The list's lines, in order.
    std::vector<std::string> ListedLines() const;
    std::size_t ListedLineCount() const;
    // The game of each listed line: the game of its record.
    std::vector<std::optional<GameType>> GamesOfListedLines() const;

private:
    std::vector<ResultRecord> records_;
    std::size_t mark_ = 0;
};

} // namespace vantorel
