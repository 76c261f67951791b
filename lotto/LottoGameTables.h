// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lotto/LottoDrawTable.h"
#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "store/HistoryFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
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
    // Reads the chosen history, and the other one only when the chosen one is not there (for the status
    // text that refuses the operation).
    void LoadChosen(const GameSettings& settings, bool dated,
                    const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));
    // A history is available when its section was read (an empty one too).
    bool Available(bool dated) const;
    // The chosen history, refused with the status text when it is not available.
    Outcome<Done> CheckAvailable(bool dated) const;
    // The highest ball of each group that a Distribution chart shows: the game's maximum (and for Power Ball
    // the second group's; 0 for the others).
    std::pair<int, int> ChartMaximums(bool dated, const GameSettings& settings) const;
    int Count(bool dated) const;
    // "Undated 120 : Dated 340", or "No 5 Number Game Data Available" and the like.
    std::string StatusText() const;

    Outcome<LottoResult> Apply(Operation operation, bool dated, const LottoInputs& inputs,
                               const GameSettings& settings, const SetupChoices& choices,
                               RandomSource& random) const;
    // One drawing of the chosen history as stored: its date (stored form; empty in an undated history),
    // its balls in the order of the file and, for Power Ball, the Power Ball. Nothing for a row that the
    // history does not hold.
    struct StoredDrawing {
        std::string date;
        std::vector<int> balls;
        std::optional<int> powerBall;
    };
    std::optional<StoredDrawing> DrawingAt(bool dated, int row) const;

    // The result list lines of a result that ran on the history.
    ReportLines ListLines(bool dated, const LottoResult& result, Notices& notices) const;
    // The report ("\n"-ended lines) of comparing a pick file with the history; refused when the file
    // cannot be read.
    Outcome<std::string> ComparePicks(bool dated, const std::filesystem::path& pickFile) const;
    // Calls `visitor` with the chosen history's table (a LottoDrawTable, or the PowerballDrawTable) and
    // returns what it returns.
    template <class Visitor> decltype(auto) VisitChosen(bool dated, Visitor&& visitor) const {
        return std::visit(
            [&](const auto& histories) -> decltype(auto) { return visitor(histories.Chosen(dated)); },
            histories_);
    }

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
