#pragma once

#include "digit/DigitOperation.h"
#include "lotto/LottoOperations.h"
#include "platform/ReportLines.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vantorel {

// A lotto operation's result and the history it ran on (Date and Date Range always run on the dated one).
struct LottoGameResult {
    LottoResult result;
    bool dated = false;
};

// What the operations produce, kept by the application so that it outlives the operations sheet: the
// "Deja View" list reports from it while the sheet runs, and the chart view collects from it after the
// sheet has closed. Each game keeps the whole result of its last operation for the list; what the chart
// draws (Distribution, Random, Best Guess) is kept for the current run of the sheet only, as the chart is
// replaced at every double-click.
class SheetResults final {
public:
    // A new run of the sheet: the chart results and the data-file report of the last run are forgotten.
    void BeginRun();

    // The result of an operation that ran on a digit game (0: 3 Number, 1: 4 Number). A refused
    // operation's empty result is kept too, so the list never reports an earlier search under its name.
    void KeepDigitResult(int game, const DigitOperationResult& result);
    // The last result of the digit game, from this run of the sheet or an earlier one; an empty result
    // when none ran.
    const DigitOperationResult& LastDigitResult(int game) const;
    // The game's last "Distribution", and its last "Random" or "Best Guess", of this run; nothing when
    // none ran.
    const DigitOperationResult* DigitDistribution(int game) const;
    const DigitOperationResult* DigitPick(int game) const;

    // The same for the lotto games (2: 5 Number, 3: 6 Number, 4: Power Ball). An operation that ended
    // early with a message is kept too, for the same reason.
    void KeepLottoResult(int game, const LottoResult& result, bool dated);
    const LottoGameResult& LastLottoResult(int game) const;
    const LottoResult* LottoDistribution(int game) const;
    const LottoResult* LottoPick(int game) const;

    // A report of the Data File page, lines ended by "\n": the list shows it in place of game reports for
    // the rest of this run of the sheet.
    void KeepFileReport(std::string text);
    bool fileReportPending() const { return fileReportPending_; }
    // The report's lines (a last piece without "\n" is a line too), once: the text is used up.
    ReportLines TakeFileReportLines();

private:
    // One game's last result, and its chart results of this run.
    template <class Result> struct GameResults {
        Result last;
        std::optional<Result> distribution;
        std::optional<Result> pick;

        void Keep(const Result& result, Operation operation);
        void ForgetChartResults();
    };

    const GameResults<LottoGameResult>* LottoGame(int game) const;

    std::array<GameResults<DigitOperationResult>, 2> digit_;
    std::array<GameResults<LottoGameResult>, 3> lotto_;
    std::string fileReportText_;
    bool fileReportPending_ = false;
};

} // namespace vantorel
