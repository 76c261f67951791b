// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "tests/support/RecordingMessageSink.h"

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

// What the page and the result list make of one operation: the lines listed, the messages shown, and
// whether it ran (a refused one leaves the page where it is).
struct Listed {
    Lines lines;
    Lines messages;
    bool listed = true;
};

template <class Table, class Apply, class ListLines>
Listed RunAndList(const Table& table, const Apply& apply, const ListLines& listLines) {
    const Outcome<LottoResult> result = apply();
    Listed listed{{}, TextsOf(result.notices()), !result.refused()};
    if (result) {
        Notices notices;
        listed.lines = listLines(table, *result, notices).ToStrings();
        const Lines later = TextsOf(notices);
        listed.messages.insert(listed.messages.end(), later.begin(), later.end());
    }
    return listed;
}

inline Listed RunLotto(const LottoDrawTable& table, Operation operation, const LottoInputs& inputs,
                       const GameSettings& settings) {
    ScriptedRandom random({0});
    return RunAndList(
        table,
        [&] { return ApplyLottoOperation(operation, table, inputs, settings, SetupChoices(), random); },
        LottoListLines);
}

inline Listed RunPowerball(const PowerballDrawTable& table, Operation operation, const LottoInputs& inputs,
                           const GameSettings& settings = Settings(26, 49)) {
    ScriptedRandom random({0});
    return RunAndList(
        table,
        [&] { return ApplyPowerballOperation(operation, table, inputs, settings, SetupChoices(), random); },
        PowerballListLines);
}

} // namespace vantorel::test
