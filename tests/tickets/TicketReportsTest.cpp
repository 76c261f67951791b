// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketReports.h"
#include "tests/lotto/LottoTestTables.h"
#include "tickets/BuiltInPrizeTables.h"
#include "tickets/TicketCheck.h"
#include "tickets/TicketsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantorel {
namespace {

const TicketGame kPowerballGame{kPowerball, 5, 69, 26};

// Two old drawings and the drawing of 12/05/2026, on which line 3 matches four balls and the Power Ball
// and line 9 the Power Ball only.
TicketCheck CheckOfDecember(bool dated, CheckScope scope, const PrizeTable& prizes) {
    const std::string tickets = "# mine\n\n3 11 17 21 24 + 7\n\n\n\n\n\n1 2 4 5 6 + 7\n";
    const PowerballDrawTable table = test::MakePowerballTable(5,
                                                              {{"26/11/28", {40, 41, 42, 43, 44, 1}},
                                                               {"26/12/02", {3, 11, 17, 21, 24, 7}},
                                                               {"26/12/05", {3, 11, 17, 21, 50, 7}}},
                                                              dated);
    return CheckTickets(kPowerballGame, ReadTicketsText(tickets, kPowerballGame).tickets, DrawingsOf(table),
                        prizes, scope)
        .value();
}

TEST(TicketReportsTest, TheNewWinsAreOneLinePerDrawing) {
    const PrizeTable powerball = PrizeTableFor(kPowerballGame);
    EXPECT_EQ(
        NewWinsLines(CheckOfDecember(true, {0, 2}, powerball)),
        ReportLines({"Your tickets won on 12/05/2026: line 3, 4 + Powerball, $50,000; line 9, Powerball "
                     "only, $4"}));
    EXPECT_EQ(NewWinsLines(CheckOfDecember(false, {0, 1}, powerball)),
              ReportLines({"Your tickets won in drawing 2: line 3, 5 + Powerball, Jackpot; line 9, Powerball "
                           "only, $4",
                           "Your tickets won in drawing 3: line 3, 4 + Powerball, $50,000; line 9, Powerball "
                           "only, $4"}));
    EXPECT_TRUE(NewWinsLines(CheckOfDecember(true, {20261206, 0}, powerball)).empty());
}

TEST(TicketReportsTest, WinLinesNameTheDrawingTheLineAndTheTicketAndComeInParts) {
    const TicketCheck check = CheckOfDecember(true, {0, 2}, PrizeTableFor(kPowerballGame));
    EXPECT_EQ(WinLines(check), ReportLines({"12/05/2026 line 3: 3 11 17 21 24 + 7 won 4 + Powerball, $50,000",
                                            "12/05/2026 line 9: 1 2 4 5 6 + 7 won Powerball only, $4"}));
    EXPECT_EQ(WinLines(check, 1, 5),
              ReportLines({"12/05/2026 line 9: 1 2 4 5 6 + 7 won Powerball only, $4"}));
    EXPECT_TRUE(WinLines(check, 2).empty());
}

TEST(TicketReportsTest, TheSummaryCountsEveryTierAndNamesTheJackpots) {
    EXPECT_EQ(SummaryLines(CheckOfDecember(true, {}, PrizeTableFor(kPowerballGame))),
              ReportLines({"Checked 2 tickets against 3 drawings: 6 plays", "5 + Powerball: 1 win, Jackpot",
                           "5 numbers: 0 wins x $1,000,000 = $0", "4 + Powerball: 1 win x $50,000 = $50,000",
                           "4 numbers: 0 wins x $100 = $0", "3 + Powerball: 0 wins x $100 = $0",
                           "3 numbers: 0 wins x $7 = $0", "2 + Powerball: 0 wins x $7 = $0",
                           "1 + Powerball: 0 wins x $4 = $0", "Powerball only: 2 wins x $4 = $8",
                           "Fixed prizes won: $50,008", "Spent: $12 (6 plays at $2)",
                           "Jackpot won on 12/02/2026: line 3, 3 11 17 21 24 + 7, 5 + Powerball"}));
}

TEST(TicketReportsTest, ASummaryWithoutPriceOrJackpotSaysSo) {
    PrizeTable prizes;
    prizes.bonusBall = "Mega Ball";
    prizes.note = "Prizes below the jackpot are the least the multiplier pays (2X).";
    prizes.tiers = {BallTier(0, true, true, PrizeKind::kUnknown)};
    EXPECT_EQ(SummaryLines(CheckOfDecember(true, {20261201, 0}, prizes)),
              ReportLines({"Checked 2 tickets against 2 drawings: 4 plays",
                           "Mega Ball only: 2 wins, prize not known", "Fixed prizes won: $0",
                           "Spent: not known (no ticket price)", "Jackpots won: none",
                           "Prizes below the jackpot are the least the multiplier pays (2X)."}));
}

TEST(TicketReportsTest, MoneyIsGroupedByThousandsWithCentsOnlyWhenThereAreAny) {
    EXPECT_EQ(DollarsText(0), "$0");
    EXPECT_EQ(DollarsText(999), "$999");
    EXPECT_EQ(DollarsText(1000), "$1,000");
    EXPECT_EQ(DollarsText(1234567), "$1,234,567");
    EXPECT_EQ(CentsText(50), "$0.50");
    EXPECT_EQ(CentsText(415800005), "$4,158,000.05");
    EXPECT_EQ(CentsText(200), "$2");
}

} // namespace
} // namespace vantorel
