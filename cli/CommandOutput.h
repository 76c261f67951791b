// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "formats/ResultDocument.h"
#include "platform/MessageBox.h"
#include "platform/ReportLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class DigitGameTables;
class LottoGameTables;
struct CheckTable;
struct ChartPicks;
struct DigitOperationResult;
struct LottoResult;

// Keeps the text of every message shown while it is installed (for the "messages" of a JSON document) and
// passes each on to the sink installed before it.
class MessageRecorder final : public MessageSink {
public:
    MessageRecorder() : installed_(*this) {}

    MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons) override;
    const std::vector<std::string>& texts() const { return texts_; }

private:
    std::vector<std::string> texts_;
    ScopedMessageSink installed_;
};

// The facts every document of a command holds: the command, and the game, operation and history where
// the command has them.
ResultDocument StartDocument(const CommandLine& line);

// Writes a result as the command line asks: `lines` as they are (text), the document's first table as CSV
// (a document without tables writes `lines` as a one-column table "line"), or the document as JSON with
// `lines` under "lines" and the messages shown so far under "messages".
void PrintResult(const CommandLine& line, CliContext& context, ResultDocument document,
                 const ReportLines& lines);

// The tables of each command's record.
void AddDigitTables(ResultDocument& document, const CommandLine& line, const DigitGameTables& tables,
                    const DigitOperationResult& result);
// What the chart view shows of a lotto result: the picks of Random and Best Guess, and the highest ball of
// each group that a Distribution shows.
struct LottoChartShown {
    const ChartPicks* picks = nullptr;
    int maximum = 0;
    int powerMaximum = 0;
};
void AddLottoTables(ResultDocument& document, const CommandLine& line, const LottoGameTables& tables,
                    const LottoResult& result, const LottoChartShown& chart);
void AddAnalysisTables(ResultDocument& document, const CheckTable& table);

} // namespace vantorel
