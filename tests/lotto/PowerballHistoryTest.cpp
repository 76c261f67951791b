// SPDX-License-Identifier: GPL-3.0-or-later
// A real history: US Powerball 1997-2002 (5 of 49 + 1 of 42) written as a dated section, checked against
// counts taken straight from the text of the drawings.

#include "platform/Operations.h"
#include "tests/lotto/LottoTestTables.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace vantorel {
namespace {

using namespace test;

TEST(PowerballHistory, RealDrawingsFrom1997To2002) {
    std::ifstream file(TestDataPath("shared/powerball-1997-2002.txt"));
    std::string section;
    std::map<int, int> firstGroup;
    std::map<int, int> power;
    int drawings = 0;
    int november1997 = 0;
    for (std::string line; std::getline(file, line); ++drawings) {
        std::istringstream words(line);
        std::string date;
        words >> date;
        november1997 += date.starts_with("11/") && date.ends_with("/97") ? 1 : 0;
        section += ' ' + date.substr(6, 2) + '/' + date.substr(0, 2) + '/' + date.substr(3, 2);
        for (int i = 0, number = 0; words >> number; ++i) {
            ++(i < 5 ? firstGroup : power)[number];
            section += ' ' + std::to_string(number);
        }
    }
    const TempWorkingDir directory;
    WriteFile("vtrmain.dat", "9 " + std::to_string(drawings) + section + "\r\n");
    PowerballDrawTable table(true);
    ASSERT_EQ(table.Load(5), 1);
    ASSERT_EQ(table.count(), 515);

    const GameSettings settings = Settings(26, 49, 49, 42, 5);
    ScriptedRandom random({0});
    const auto run = [&](Operation operation, const LottoInputs& inputs) {
        return ApplyPowerballOperation(operation, table, inputs, settings, SetupChoices(), random).value();
    };
    const LottoResult distribution = run(kDistribution, {});
    for (int ball = 1; ball <= 49; ++ball) {
        EXPECT_EQ(distribution.ballCounts[static_cast<std::size_t>(ball)], firstGroup[ball]) << ball;
        EXPECT_EQ(distribution.powerBallCounts[static_cast<std::size_t>(ball)], power[ball]) << ball;
    }
    EXPECT_EQ(static_cast<int>(run(kDateRangeSearch, Range("11/01/97", "11/30/97")).matchList.size()),
              november1997);
    EXPECT_EQ(run(kDateSearch, Query("11/08/97")).pbDrawRecord, (std::vector<int>{7, 17, 21, 40, 49, 37}));
}

} // namespace
} // namespace vantorel
