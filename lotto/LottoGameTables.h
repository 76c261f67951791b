#pragma once

#include "lotto/LottoDrawTable.h"
#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "store/HistoryFile.h"

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace vantorel {

class RandomSource;
class SetupChoices;
struct GameSettings;

// The undated and the dated history of one lotto game (5 Number, 6 Number or Power Ball), with the engine
// calls of that game: what a game page holds while its sheet is open. `dated` chooses the history.
class LottoGameTables final {
public:
    // kFiveNumber, kSixNumber or kPowerball; anything else is taken as 5 Number.
    explicit LottoGameTables(int gameType);

    int gameType() const { return gameType_; }

    // Reads both histories again. Power Ball drawings hold the PBM setting's number of first-group balls.
    void Load(const GameSettings& settings,
              const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));
    // A history is available when its section was read (an empty one too).
    bool Available(bool dated) const;
    int Count(bool dated) const;
    // "Undated 120 : Dated 340", or "No 5 Number Game Data Available" and the like.
    std::string StatusText() const;

    Outcome<LottoResult> Apply(int operation, bool dated, const LottoInputs& inputs,
                               const GameSettings& settings, const SetupChoices& choices,
                               RandomSource& random) const;
    // The result list lines of a result that ran on the history.
    ReportLines ListLines(bool dated, const LottoResult& result, Notices& notices) const;
    // The report ("\n"-ended lines) of comparing a pick file with the history; refused when the file
    // cannot be read.
    Outcome<std::string> ComparePicks(bool dated, const std::filesystem::path& pickFile) const;

private:
    template <class Table> struct Histories {
        Table undated;
        Table dated;

        Table& Chosen(bool useDated) { return useDated ? dated : undated; }
        const Table& Chosen(bool useDated) const { return useDated ? dated : undated; }
    };
    using AnyHistories = std::variant<Histories<LottoDrawTable>, Histories<PowerballDrawTable>>;

    static AnyHistories MakeHistories(int gameType);

    int gameType_;
    AnyHistories histories_;
};

} // namespace vantorel
