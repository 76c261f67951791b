// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketCheck.h"
#include "tests/digit/DigitTestTables.h"
#include "tests/lotto/LottoTestTables.h"
#include "tests/support/RandomBalls.h"
#include "tickets/BuiltInPrizeTables.h"
#include "tickets/TicketDates.h"
#include "tickets/TicketsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vantorel {
namespace {

using test::DatedRow;

const TicketGame kPowerballGame{kPowerball, 5, 69, 26};

std::vector<Ticket> TicketsOf(const std::string& text, const TicketGame& game) {
    const TicketsReading reading = ReadTicketsText(text, game);
    EXPECT_TRUE(reading.problems.empty()) << reading.problems.front().text;
    return reading.tickets;
}

// "drawing:tier:prize" for every win, the prize empty for a jackpot or an amount not known.
// The check, or an empty one and a failure when it was refused.
TicketCheck Checked(Outcome<TicketCheck> check) {
    if (check.refused()) {
        ADD_FAILURE() << check.refusal().text;
        return {};
    }
    return std::move(check).value();
}

std::vector<std::string> WinsOf(const TicketCheck& check) {
    std::vector<std::string> wins;
    for (const TicketWin& win : check.wins) {
        const WinRecord record = RecordOf(check, win);
        wins.push_back(std::to_string(record.drawing) + ':' + std::string(record.tier) + ':' +
                       (record.prize ? std::to_string(*record.prize) : std::string()));
    }
    return wins;
}

// "line@date" for every win.
std::vector<std::string> LinesAndDatesOf(const TicketCheck& check) {
    std::vector<std::string> wins;
    for (const TicketWin& win : check.wins) {
        const WinRecord record = RecordOf(check, win);
        wins.push_back(std::to_string(record.line) + '@' + record.date);
    }
    return wins;
}

TEST(TicketCheckTest, EveryPowerballTierFromADrawingBuiltForIt) {
    // Drawing 2 * m + b matches m of the ticket's balls, and its Power Ball when b is 1.
    std::vector<DatedRow> rows;
    for (int matched = 0; matched <= 5; ++matched) {
        for (const bool bonus : {false, true}) {
            std::vector<int> balls;
            for (int ball = 1; ball <= 5; ++ball) {
                balls.push_back(ball <= matched ? ball : 60 + ball);
            }
            balls.push_back(bonus ? 6 : 7);
            rows.push_back({"26/01/" + std::string(matched * 2 + bonus < 9 ? "0" : "") +
                                std::to_string(matched * 2 + bonus + 1),
                            balls});
        }
    }
    const PowerballDrawTable table = test::MakePowerballTable(5, rows, true);
    const TicketCheck check = Checked(CheckTickets(kPowerballGame, TicketsOf("5 4 3 2 1 + 6", kPowerballGame),
                                                   DrawingsOf(table), PrizeTableFor(kPowerballGame)));
    EXPECT_EQ(WinsOf(check),
              (std::vector<std::string>{"1:0+1:4", "3:1+1:4", "5:2+1:7", "6:3+0:7", "7:3+1:100", "8:4+0:100",
                                        "9:4+1:50000", "10:5+0:1000000", "11:5+1:"}));
    const TicketSummary& summary = check.summary;
    EXPECT_EQ(summary.plays, 12);
    EXPECT_EQ(summary.wins, 9);
    EXPECT_EQ(summary.winsPerTier, (std::vector<std::int64_t>(9, 1)));
    EXPECT_EQ(summary.fixedDollars, 1000000 + 50000 + 100 + 100 + 7 + 7 + 4 + 4);
    EXPECT_EQ(summary.spentCents, 12 * 200);
    ASSERT_EQ(summary.jackpots.size(), 1U);
    EXPECT_EQ(summary.jackpots[0].drawing, 11);
    const WinRecord jackpot = RecordOf(check, summary.jackpots[0]);
    EXPECT_TRUE(jackpot.jackpot);
    EXPECT_EQ(jackpot.date, "2026-01-12");
    EXPECT_EQ(jackpot.matched, 5);
    EXPECT_TRUE(jackpot.bonus);
    EXPECT_EQ(jackpot.ticket, "5 4 3 2 1 + 6");
}

TEST(TicketCheckTest, LottoTicketsWinTheirGamesTiers) {
    const LottoDrawTable table = test::MakeLottoTable(
        6, {{1, 2, 3, 40, 41, 42}, {1, 2, 40, 41, 42, 43}, {6, 5, 4, 3, 2, 1}, {1, 2, 3, 4, 5, 49}});
    const TicketGame game{kSixNumber, 6, 49, 0};
    const TicketCheck check =
        Checked(CheckTickets(game, TicketsOf("1 2 3 4 5 6", game), DrawingsOf(table), PrizeTableFor(game)));
    EXPECT_EQ(WinsOf(check), (std::vector<std::string>{"0:3:", "2:6:", "3:5:"}));
    EXPECT_EQ(check.summary.winsOfUnknownAmount, 2);
    EXPECT_EQ(check.summary.spentCents, std::nullopt);
}

// Four jackpot drawings in January 2026 and one whose stored date is no day of the calendar.
PowerballDrawTable JackpotsInJanuary() {
    const std::vector<int> balls = {1, 2, 3, 4, 5, 6};
    return test::MakePowerballTable(5,
                                    {{"26/01/03", balls},
                                     {"26/01/07", balls},
                                     {"26/02/30", balls},
                                     {"26/01/10", balls},
                                     {"26/01/14", balls}},
                                    true);
}

const std::string kLimitedTickets = "1 2 3 4 5 + 6\n"
                                    "1 2 3 4 5 + 6 ; from 01/07/2026 to 01/10/2026\n"
                                    "1 2 3 4 5 + 6 ; on 01/14/2026\n"
                                    "1 2 3 4 5 + 6 ; to 01/03/2026\n"
                                    "1 2 3 4 5 + 6 ; from 01/11/2026\n"
                                    "1 2 3 4 5 + 6 ; from 02/01/2026\n";

TEST(TicketCheckTest, ATicketIsCheckedOnlyAgainstTheDrawingsOfItsDays) {
    const TicketCheck check =
        Checked(CheckTickets(kPowerballGame, TicketsOf(kLimitedTickets, kPowerballGame),
                             DrawingsOf(JackpotsInJanuary()), PrizeTableFor(kPowerballGame)));
    EXPECT_EQ(LinesAndDatesOf(check),
              (std::vector<std::string>{"1@2026-01-03", "4@2026-01-03", "1@2026-01-07", "2@2026-01-07", "1@",
                                        "1@2026-01-10", "2@2026-01-10", "1@2026-01-14", "3@2026-01-14",
                                        "5@2026-01-14"}));
    EXPECT_EQ(check.summary.plays, 10);
    EXPECT_EQ(check.summary.tickets, 6);
    EXPECT_EQ(check.summary.drawings, 5);
}

TEST(TicketCheckTest, ASinceDateAndAFirstDrawingNarrowTheDrawings) {
    const std::vector<Ticket> tickets = TicketsOf(kLimitedTickets, kPowerballGame);
    const DrawingsToCheck drawings = DrawingsOf(JackpotsInJanuary());
    const TicketCheck since = Checked(
        CheckTickets(kPowerballGame, tickets, drawings, PrizeTableFor(kPowerballGame), {20260110, 0}));
    EXPECT_EQ(LinesAndDatesOf(since),
              (std::vector<std::string>{"1@2026-01-10", "2@2026-01-10", "1@2026-01-14", "3@2026-01-14",
                                        "5@2026-01-14"}));
    EXPECT_EQ(since.summary.drawings, 2);
    const TicketCheck newest =
        Checked(CheckTickets(kPowerballGame, tickets, drawings, PrizeTableFor(kPowerballGame), {0, 4}));
    EXPECT_EQ(LinesAndDatesOf(newest),
              (std::vector<std::string>{"1@2026-01-14", "3@2026-01-14", "5@2026-01-14"}));
    const TicketCheck none =
        Checked(CheckTickets(kPowerballGame, tickets, drawings, PrizeTableFor(kPowerballGame), {0, 9}));
    EXPECT_EQ(none.summary.drawings, 0);
}

TEST(TicketCheckTest, AnUndatedHistoryLeavesOutTicketsWithDaysAndRefusesASinceDateOrAnotherGame) {
    PowerballDrawTable table = JackpotsInJanuary();
    table.dated = false;
    table.dates.clear();
    const std::vector<Ticket> tickets = TicketsOf(kLimitedTickets, kPowerballGame);
    const TicketCheck check =
        Checked(CheckTickets(kPowerballGame, tickets, DrawingsOf(table), PrizeTableFor(kPowerballGame)));
    EXPECT_EQ(check.summary.tickets, 1);
    EXPECT_EQ(check.summary.ticketsLeftOut, 5);
    EXPECT_EQ(check.summary.plays, 5);
    EXPECT_EQ(check.wins.size(), 5U);
    const Outcome<TicketCheck> refused = CheckTickets(kPowerballGame, tickets, DrawingsOf(table),
                                                      PrizeTableFor(kPowerballGame), {20260101, 0});
    ASSERT_TRUE(refused.refused());
    EXPECT_EQ(refused.refusal().text,
              "The undated history has no dates: tickets are checked since 01/01/2026 "
              "only against the dated history.");
    const TicketGame fiveNumber{kFiveNumber, 5, 39, 0};
    const Outcome<TicketCheck> otherGame = CheckTickets(fiveNumber, TicketsOf("1 2 3 4 5", fiveNumber),
                                                        DrawingsOf(table), PrizeTableFor(fiveNumber));
    ASSERT_TRUE(otherGame.refused());
    EXPECT_EQ(otherGame.refusal().text, "These are 5 Number tickets; the history is of the Power Ball game.");
}

// The check against a plain reference: every ticket against every drawing, balls counted one by one,
// on many tickets (several words of 64) of a small game where every tier comes up, with validity days.
TEST(TicketCheckTest, AgreesWithCountingEveryTicketAgainstEveryDrawing) {
    const TicketGame game{kPowerball, 5, 20, 4};
    RandomGenerator random(7);
    std::vector<DatedRow> rows;
    for (int drawing = 0; drawing < 120; ++drawing) {
        std::vector<int> balls = test::DistinctBalls(random, 5, 20);
        balls.push_back(random.Next() % 4 + 1);
        rows.push_back({"26/" + std::string(drawing / 28 < 9 ? "0" : "") + std::to_string(drawing / 28 + 1) +
                            '/' + (drawing % 28 < 9 ? "0" : "") + std::to_string(drawing % 28 + 1),
                        balls});
    }
    std::string text;
    for (int ticket = 0; ticket < 150; ++ticket) {
        for (const int ball : test::DistinctBalls(random, 5, 20)) {
            text += std::to_string(ball) + ' ';
        }
        text += "+ " + std::to_string(random.Next() % 4 + 1);
        if (ticket % 7 == 3) {
            text += " ; from 0" + std::to_string(ticket % 4 + 1) + "/10/2026 to 0" +
                    std::to_string(ticket % 4 + 2) + "/05/2026";
        }
        text += '\n';
    }
    const std::vector<Ticket> tickets = TicketsOf(text, game);
    const PowerballDrawTable table = test::MakePowerballTable(5, rows, true);
    const PrizeTable prizes = PrizeTableFor(game);
    const CheckScope scope{20260210, 40};
    std::vector<std::string> expected;
    std::int64_t plays = 0;
    for (int drawing = 0; drawing < 120; ++drawing) {
        const int date = DateKeyOfStored(table.Date(drawing));
        if (drawing < scope.fromDrawing || date < scope.since) {
            continue;
        }
        for (const Ticket& ticket : tickets) {
            if ((ticket.validFrom != 0 && date < ticket.validFrom) ||
                (ticket.validTo != 0 && date > ticket.validTo)) {
                continue;
            }
            ++plays;
            int matched = 0;
            for (int position = 0; position < 5; ++position) {
                matched +=
                    std::count(ticket.numbers.begin(), ticket.numbers.end(), table.Ball(drawing, position));
            }
            const int tier = prizes.TierOf(matched, ticket.bonus == table.PowerBall(drawing));
            if (tier >= 0) {
                expected.push_back(std::to_string(drawing) + ':' +
                                   prizes.tiers[static_cast<std::size_t>(tier)].label + ':' +
                                   std::to_string(ticket.line));
            }
        }
    }
    const TicketCheck check = Checked(CheckTickets(game, tickets, DrawingsOf(table), prizes, scope));
    std::vector<std::string> found;
    for (const TicketWin& win : check.wins) {
        const WinRecord record = RecordOf(check, win);
        found.push_back(std::to_string(record.drawing) + ':' + std::string(record.tier) + ':' +
                        std::to_string(record.line));
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(check.summary.plays, plays);
    EXPECT_EQ(check.summary.drawings, 80);
    EXPECT_GT(expected.size(), 500U);
}

TEST(TicketCheckTest, StraightWinsInItsOrderAndBoxInAnyOrderWithItsDigitsRepeatedAlike) {
    const TicketGame game{kThreeNumber, 3, 9, 0};
    const DigitDrawTable table = test::UndatedTable(kThreeNumber, {121, 112, 122, 123, 321, 1000, 7});
    const TicketCheck check =
        Checked(CheckTickets(game, TicketsOf("112 box\n123\n123 box\n700 box\n007\n", game),
                             DrawingsOf(table), PrizeTableFor(game)));
    EXPECT_EQ(LinesAndDatesOf(check), (std::vector<std::string>{"1@", "1@", "2@", "3@", "3@", "4@", "5@"}));
    EXPECT_EQ(WinsOf(check), (std::vector<std::string>{"0:box-3:", "1:box-3:", "3:straight:", "3:box-6:",
                                                       "4:box-6:", "6:box-3:", "6:straight:"}));
    EXPECT_EQ(RecordOf(check, check.wins.front()).matched, 3);
    EXPECT_FALSE(RecordOf(check, check.wins.front()).bonus);
}

TEST(TicketCheckTest, FourNumberBoxesPayByTheOrdersTheirDigitsCanBeDrawnIn) {
    const TicketGame game{kFourNumber, 4, 9, 0};
    const DigitDrawTable table = test::UndatedTable(kFourNumber, {3211, 2121, 2111, 4321, 1234});
    const TicketCheck check =
        Checked(CheckTickets(game, TicketsOf("1123 box\n1122 box\n1112 box\n1234 box\n1234\n", game),
                             DrawingsOf(table), PrizeTableFor(game)));
    EXPECT_EQ(WinsOf(check), (std::vector<std::string>{"0:box-12:", "1:box-6:", "2:box-4:", "3:box-24:",
                                                       "4:box-24:", "4:straight:"}));
}

TEST(TicketCheckTest, ATicketWhoseTierTheTableDoesNotPayWinsNothing) {
    const TicketGame game{kThreeNumber, 3, 9, 0};
    PrizeTable straightOnly;
    straightOnly.tiers.push_back(StraightTier(PrizeKind::kFixed, 500));
    const TicketCheck check =
        Checked(CheckTickets(game, TicketsOf("123 box\n123\n", game),
                             DrawingsOf(test::UndatedTable(kThreeNumber, {123})), straightOnly));
    EXPECT_EQ(WinsOf(check), (std::vector<std::string>{"0:straight:500"}));
    EXPECT_EQ(check.summary.plays, 2);
}

} // namespace
} // namespace vantorel
