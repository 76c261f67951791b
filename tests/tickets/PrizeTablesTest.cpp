// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryFile.h"
#include "tests/support/TestFiles.h"
#include "tickets/BuiltInPrizeTables.h"
#include "tickets/PrizesFile.h"
#include "tickets/TicketGame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantorel {
namespace {

// "4+1 50000" per tier, "jackpot" and "unknown" for the others: a table at a glance.
std::vector<std::string> Described(const PrizeTable& table) {
    std::vector<std::string> tiers;
    for (const PrizeTier& tier : table.tiers) {
        tiers.push_back(tier.label + ' ' +
                        (tier.kind == PrizeKind::kFixed     ? std::to_string(tier.dollars)
                         : tier.kind == PrizeKind::kJackpot ? std::string("jackpot")
                                                            : std::string("unknown")));
    }
    return tiers;
}

const TicketGame kPowerballGame{kPowerball, 5, 69, 26};
const TicketGame kSampleGame{kPowerball, 5, 49, 42};

TEST(BuiltInPrizeTablesTest, PowerballPaysThePublishedPrizesForTwoDollars) {
    const PrizeTable table = PrizeTableFor(kPowerballGame);
    EXPECT_EQ(table.name, "Powerball");
    EXPECT_EQ(table.ticketCents, 200);
    EXPECT_EQ(Described(table),
              (std::vector<std::string>{"5+1 jackpot", "5+0 1000000", "4+1 50000", "4+0 100", "3+1 100",
                                        "3+0 7", "2+1 7", "1+1 4", "0+1 4"}));
}

TEST(BuiltInPrizeTablesTest, ChoosesByPresetNameThenByTheGamesMaximums) {
    const TicketGame megaMillions{kPowerball, 5, 70, 24};
    EXPECT_EQ(PrizeTableFor(megaMillions).name, "Mega Millions");
    EXPECT_EQ(PrizeTableFor(megaMillions, "Mega Millions").ticketCents, 500);
    EXPECT_EQ(PrizeTableFor(megaMillions).bonusBall, "Mega Ball");
    // A preset whose maximums are not the game's does not apply.
    EXPECT_EQ(PrizeTableFor(kSampleGame, "powerball").name, "");
    EXPECT_EQ(BuiltInPrizeTable("powerball", TicketGame{kPowerball, 4, 69, 26}), std::nullopt);
    EXPECT_EQ(PrizeTableFor(TicketGame{kSixNumber, 6, 59, 0}).name, "6 of 59 lotto");
    EXPECT_EQ(PrizeTableFor(TicketGame{kSixNumber, 6, 59, 0}).ticketCents, 50);
    EXPECT_EQ(PrizeTableFor(TicketGame{kFiveNumber, 5, 39, 0}).name, "5 of 39 game");
}

TEST(BuiltInPrizeTablesTest, OtherGamesPayTheirUsualTiersWithoutAmounts) {
    EXPECT_EQ(
        Described(PrizeTableFor(kSampleGame)),
        (std::vector<std::string>{"5+1 jackpot", "5+0 unknown", "4+1 unknown", "4+0 unknown", "3+1 unknown",
                                  "3+0 unknown", "2+1 unknown", "1+1 unknown", "0+1 unknown"}));
    EXPECT_EQ(PrizeTableFor(kSampleGame).ticketCents, std::nullopt);
    EXPECT_EQ(Described(PrizeTableFor(TicketGame{kFiveNumber, 5, 26, 0})),
              (std::vector<std::string>{"5 jackpot", "4 unknown", "3 unknown", "2 unknown"}));
    EXPECT_EQ(Described(PrizeTableFor(TicketGame{kFourNumber, 4, 9, 0})),
              (std::vector<std::string>{"straight unknown", "box-4 unknown", "box-6 unknown",
                                        "box-12 unknown", "box-24 unknown"}));
    EXPECT_EQ(
        Described(PrizeTableFor(TicketGame{kPowerball, 5, 60, 4})),
        (std::vector<std::string>{"5+1 jackpot", "5+0 unknown", "4+1 unknown", "4+0 unknown", "3+1 unknown",
                                  "3+0 unknown", "2+1 unknown", "2+0 unknown", "1+1 unknown"}));
}

TEST(PrizesFileTest, TiersOfTheFileReplaceTheBuiltInTiersAndItsPriceReplacesThePrice) {
    const PrizesReading reading = ReadPrizesText("# my game\nticket $1.50\n4+1 $50,000 # the big one\n"
                                                 "5+1 JACKPOT\n0+1 4\n3 unknown\n",
                                                 kSampleGame, PrizeTableFor(kSampleGame));
    EXPECT_TRUE(reading.problems.empty());
    EXPECT_EQ(reading.table.name, "prizes.txt");
    EXPECT_EQ(reading.table.ticketCents, 150);
    EXPECT_EQ(Described(reading.table),
              (std::vector<std::string>{"5+1 jackpot", "4+1 50000", "3+0 unknown", "0+1 4"}));
}

TEST(PrizesFileTest, APriceAloneKeepsTheBuiltInTiers) {
    const PrizeTable builtIn = PrizeTableFor(kPowerballGame);
    const PrizesReading reading = ReadPrizesText("ticket 3\n", kPowerballGame, builtIn);
    EXPECT_EQ(reading.table.tiers, builtIn.tiers);
    EXPECT_EQ(reading.table.name, "Powerball");
    EXPECT_EQ(reading.table.ticketCents, 300);
}

TEST(PrizesFileTest, ABoxLineCoversEveryBoxNotNamedOnItsOwn) {
    const TicketGame game{kThreeNumber, 3, 9, 0};
    const PrizesReading reading =
        ReadPrizesText("straight 500\nbox 80\nbox-3 160\n", game, PrizeTableFor(game));
    EXPECT_TRUE(reading.problems.empty());
    EXPECT_EQ(Described(reading.table), (std::vector<std::string>{"straight 500", "box-3 160", "box-6 80"}));
}

TEST(PrizesFileTest, EachBadLineIsReportedAndLeftOut) {
    const PrizesReading reading = ReadPrizesText(
        "4+1 50000\n4+1 60000\n6+0 10\n0+0 1\n4 + 1 5\n3+1 7.50\n3+0 lots\nticket free\n2+1 1,00\n1+1 4\n",
        kSampleGame, PrizeTableFor(kSampleGame));
    std::vector<std::string> problems;
    for (const TicketProblem& problem : reading.problems) {
        problems.push_back(problem.text);
    }
    EXPECT_EQ(
        problems,
        (std::vector<std::string>{
            "Line 2: the tier 4+1 is given twice",
            "Line 3: \"6+0\" is not a winning tier of the Power Ball game",
            "Line 4: \"0+0\" is not a winning tier of the Power Ball game",
            "Line 5: write a tier and its prize (4+1 50000, 5+1 jackpot) or \"ticket\" and the price of a "
            "play (ticket 2)",
            "Line 6: \"7.50\" is not a prize: whole dollars, \"jackpot\" or \"unknown\"",
            "Line 7: \"lots\" is not a prize: whole dollars, \"jackpot\" or \"unknown\"",
            "Line 8: \"free\" is not a price in dollars (2 or 0.50)",
            "Line 9: \"1,00\" is not a prize: whole dollars, \"jackpot\" or \"unknown\""}));
    EXPECT_EQ(Described(reading.table), (std::vector<std::string>{"4+1 50000", "1+1 4"}));
}

TEST(PrizesFileTest, AMissingFileKeepsTheBuiltInTableQuietly) {
    const test::TempWorkingDir directory;
    const PrizeTable builtIn = PrizeTableFor(kPowerballGame);
    const PrizesReading missing = ReadPrizesFile(kPrizesFileName, kPowerballGame, builtIn);
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.failure, "");
    EXPECT_EQ(missing.table.tiers, builtIn.tiers);
    test::WriteFile(kPrizesFileName, "4+1 1\r\n");
    const PrizesReading found = ReadPrizesFile(kPrizesFileName, kPowerballGame, builtIn);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(Described(found.table), (std::vector<std::string>{"4+1 1"}));
}

} // namespace
} // namespace vantorel
