#pragma once

#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vantorel::test {

using Lines = std::vector<std::string>;

// In-memory histories for the lotto tests. A dated row carries its stored date (yy/mm/dd); a Power Ball
// row holds the first-group balls, then the Power Ball.
struct DatedRow {
    std::string date;
    std::vector<int> balls;
};

inline LottoDrawTable MakeDatedLottoTable(int section, const std::vector<DatedRow>& rows) {
    LottoDrawTable table(section);
    table.loadStatus = 1;
    for (const DatedRow& row : rows) {
        LottoRow balls{};
        std::copy_n(row.balls.begin(), std::min(row.balls.size(), balls.size()), balls.begin());
        table.numbers.push_back(balls);
        if (table.dated) {
            table.dates.push_back(row.date);
        }
    }
    return table;
}

inline LottoDrawTable MakeLottoTable(int section, const std::vector<std::vector<int>>& rows) {
    std::vector<DatedRow> dated;
    for (const std::vector<int>& balls : rows) {
        dated.push_back({"", balls});
    }
    return MakeDatedLottoTable(section, dated);
}

inline PowerballDrawTable MakePowerballTable(int firstGroupBalls, const std::vector<DatedRow>& rows,
                                             bool dated) {
    PowerballDrawTable table(dated);
    table.loadStatus = 1;
    table.ballsPerDrawing = firstGroupBalls;
    for (const DatedRow& source : rows) {
        PowerballRow row{};
        std::copy_n(source.balls.begin(), firstGroupBalls, row.begin());
        table.numbers.push_back(row);
        table.powerBalls.push_back(source.balls.back());
        if (dated) {
            table.dates.push_back(source.date);
        }
    }
    return table;
}

inline GameSettings Settings(int fiveMax, int sixMax, int group1Max = 49, int group2Max = 42, int balls = 5) {
    return {fiveMax, sixMax, group1Max, group2Max, balls};
}

// The typed inputs of a query (and Power Ball field) or of a date range.
inline LottoInputs Query(std::string query, std::string power = "") {
    return {std::move(query), "", "", std::move(power)};
}
inline LottoInputs Range(std::string from, std::string to) {
    return {"", std::move(from), std::move(to), ""};
}

// What the page and the result list make of one operation: the lines listed and the messages shown.
struct Outcome {
    Lines lines;
    Lines messages;
    bool listed = true;
};

inline Outcome RunLotto(const LottoDrawTable& table, int operation, const LottoInputs& inputs,
                        const GameSettings& settings) {
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    ScriptedRandom random({0});
    const LottoResult result =
        ApplyLottoOperation(operation, table, inputs, settings, SetupChoices(), random);
    return {LottoListLines(table, result).ToStrings(), sink.texts(), result.listed};
}

inline Outcome RunPowerball(const PowerballDrawTable& table, int operation, const LottoInputs& inputs,
                            const GameSettings& settings = Settings(26, 49)) {
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    ScriptedRandom random({0});
    const LottoResult result =
        ApplyPowerballOperation(operation, table, inputs, settings, SetupChoices(), random);
    return {PowerballListLines(table, result).ToStrings(), sink.texts(), result.listed};
}

} // namespace vantorel::test
