// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel-cli tickets, and the check of the new drawings after a results import and an update: the
// wins and the summary on standard output, bad lines and refusals as messages, the exit status.

#include "platform/ProfileStore.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

// Two drawings of today's Powerball (5 of 69 + 1 of 26).
constexpr std::string_view kTwoDrawings = "12/02/26 03 11 17 21 24 07\n12/05/26 01 02 03 04 05 26\n";

// A ticket for most tiers of the two drawings, a bad line and two tickets limited to some days.
constexpr std::string_view kTickets = "# my Powerball tickets\n"
                                      "3 11 17 21 24 + 7\n"
                                      "3 11 17 21 30 + 9\n"
                                      "1 2 3 40 50 + 26\n"
                                      "70 1 2 3 4 + 1\n"
                                      "60 61 62 63 64 + 7 ; from 12/03/2026\n"
                                      "60 61 62 63 64 + 26 ; to 12/03/2026\n"
                                      "1 2 3 4 5 + 25\n";

class TicketsCommandTest : public ::testing::Test {
protected:
    TicketsCommandTest() {
        EXPECT_EQ(Run("settings --preset powerball").status, 0);
        profile.WriteString("Settings", "5BC", "39");
        WriteFile("drawings.txt", kTwoDrawings);
        EXPECT_EQ(Run("import pb --dated drawings.txt").status, 0);
    }

    CliOutcome Run(std::string_view command) { return CliRunner(profile).Run(command); }

    TempWorkingDir directory;
    MemoryProfileStore profile;
};

// Every line of the tiers that the two drawings can give: the jackpot, 5+0, 4+0 and 3+1; the
// tickets limited to days that exclude a drawing win nothing there (both would have won Powerball only).
constexpr std::string_view kWinLines = "12/02/2026 line 2: 3 11 17 21 24 + 7 won 5 + Powerball, Jackpot\n"
                                       "12/02/2026 line 3: 3 11 17 21 30 + 9 won 4 numbers, $100\n"
                                       "12/05/2026 line 4: 1 2 3 40 50 + 26 won 3 + Powerball, $100\n"
                                       "12/05/2026 line 8: 1 2 3 4 5 + 25 won 5 numbers, $1,000,000\n";
constexpr std::string_view kTierLines = "5 + Powerball: 1 win, Jackpot\n"
                                        "5 numbers: 1 win x $1,000,000 = $1,000,000\n"
                                        "4 + Powerball: 0 wins x $50,000 = $0\n"
                                        "4 numbers: 1 win x $100 = $100\n"
                                        "3 + Powerball: 1 win x $100 = $100\n"
                                        "3 numbers: 0 wins x $7 = $0\n"
                                        "2 + Powerball: 0 wins x $7 = $0\n"
                                        "1 + Powerball: 0 wins x $4 = $0\n"
                                        "Powerball only: 0 wins x $4 = $0\n";

TEST_F(TicketsCommandTest, ListsEveryWinByDrawingAndTheSummary) {
    WriteFile("tickets.txt", kTickets);
    const CliOutcome run = Run("tickets pb");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.messages(), Lines{"Lines of tickets.txt left out:\nLine 5: 70 is outside 1 to 69"});
    EXPECT_EQ(run.out, std::string(kWinLines) + "Checked 6 tickets against 2 drawings: 10 plays\n" +
                           std::string(kTierLines) +
                           "Fixed prizes won: $1,000,200\n"
                           "Spent: $20 (10 plays at $2)\n"
                           "Jackpot won on 12/02/2026: line 2, 3 11 17 21 24 + 7, 5 + Powerball\n");
}

// CSV: exactly the columns ticket,line,date,matched,bonus,tier,prize, one row per winning ticket and drawing,
// the prize empty for the jackpot; JSON: the same rows with the tiers and the summary's figures.
TEST_F(TicketsCommandTest, CsvAndJsonListTheSameWins) {
    WriteFile("tickets.txt", kTickets);
    const CliOutcome csv = Run("tickets pb --format csv");
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, "ticket,line,date,matched,bonus,tier,prize\r\n"
                       "3 11 17 21 24 + 7,2,2026-12-02,5,1,5+1,\r\n"
                       "3 11 17 21 30 + 9,3,2026-12-02,4,0,4+0,100\r\n"
                       "1 2 3 40 50 + 26,4,2026-12-05,3,1,3+1,100\r\n"
                       "1 2 3 4 5 + 25,8,2026-12-05,5,0,5+0,1000000\r\n");
    const CliOutcome json = Run("tickets pb --format json");
    EXPECT_EQ(json.status, 0);
    for (const char* part :
         {"\"command\": \"tickets\"", "\"plays\": 10", "\"winning_plays\": 4", "\"fixed_prizes\": 1000200",
          "\"spent\": 20", "\"tier\": \"5+0\"", "\"prize\": 1000000", "Line 5: 70 is outside 1 to 69"}) {
        EXPECT_NE(json.out.find(part), std::string::npos) << part;
    }
}

// A list longer than the pieces it is written in: the header once, every win once.
TEST_F(TicketsCommandTest, LongListsAreWrittenWhole) {
    std::string tickets;
    for (int ticket = 0; ticket < 2500; ++ticket) {
        tickets += "1 2 3 4 5 + 26\n";
    }
    WriteFile("tickets.txt", tickets);
    for (const char* format : {"csv", "text"}) {
        SCOPED_TRACE(format);
        const CliOutcome run = Run(std::string("tickets pb --format ") + format);
        const Lines lines = run.lines();
        ASSERT_GE(lines.size(), 2501u);
        const bool csv = std::string_view(format) == "csv";
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'),
                  csv ? 2501 : 2 * 2500 + 12); // text: each win, the summary, each jackpot
        EXPECT_EQ(lines[csv ? 2500 : 2499].substr(0, csv ? 31 : 29),
                  csv ? "1 2 3 4 5 + 26,2500,2026-12-05," : "12/05/2026 line 2500: 1 2 3 4");
        EXPECT_EQ(run.out.find("ticket,line"), csv ? 0 : std::string::npos);
        EXPECT_EQ(run.out.find("ticket,line", 1), std::string::npos);
    }
}

// --since leaves out the earlier drawings, --file reads another file, and the folder's prizes.txt replaces
// the built-in amounts.
TEST_F(TicketsCommandTest, SinceFileAndPrizesChooseWhatIsChecked) {
    WriteFile("mine.txt", "1 2 3 40 50 + 26\n3 11 17 21 30 + 9\n");
    WriteFile("prizes.txt", "ticket 1.50\n3+1 150\n4+0 unknown\n");
    const CliOutcome run = Run("tickets pb --file mine.txt --since 12/03/2026");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.messages(), Lines{});
    EXPECT_EQ(run.out, "12/05/2026 line 1: 1 2 3 40 50 + 26 won 3 + Powerball, $150\n"
                       "Checked 2 tickets against 1 drawing: 2 plays\n"
                       "4 numbers: 0 wins, prize not known\n"
                       "3 + Powerball: 1 win x $150 = $150\n"
                       "Fixed prizes won: $150\n"
                       "Spent: $3 (2 plays at $1.50)\n"
                       "Jackpots won: none\n");
}

// What refuses the check, with nothing on standard output.
TEST_F(TicketsCommandTest, RefusalsSayWhy) {
    const struct {
        const char* command;
        const char* tickets; // nullptr: no tickets file
        int status;
        Lines messages;
    } cases[] = {
        {"tickets pb",
         nullptr,
         1,
         {"There is no tickets file tickets.txt.\nWrite your tickets there, one a line (3 11 17 21 24 + 7 "
          "for a "
          "Power Ball ticket), or name the file with --file FILE."}},
        {"tickets pb --since 02/30/2026",
         "1 2 3 4 5 + 6\n",
         1,
         {"--since 02/30/2026 is not a day: write it MM/DD/YYYY, as 12/05/2026."}},
        {"tickets 5",
         "1 2 3 4 5\n",
         1,
         {"VTRMAIN.DAT holds no dated 5 Number history to check the tickets against."}},
        {"tickets pb --undated",
         "1 2 3 4 5 + 6\n",
         1,
         {"VTRMAIN.DAT holds no undated Power Ball history to check the tickets against."}},
        {"tickets pb 3", "1 2 3 4 5 + 6\n", 2, {}}, // the grammar's other refusals: the command line test
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        std::filesystem::remove("tickets.txt");
        if (c.tickets != nullptr) {
            WriteFile("tickets.txt", c.tickets);
        }
        const CliOutcome run = Run(c.command);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.messages(), c.messages);
        EXPECT_EQ(run.out, "");
    }
}

// After a results import and after an update, only the drawings they added are checked; without a tickets
// file, or when nothing was added, nothing is shown.
class NewDrawingsCheckTest : public TicketsCommandTest {
protected:
    // This week's file: the two drawings held, one placed between them, and a newer one.
    static constexpr std::string_view kResults = "Draw Date,Winning Numbers,Multiplier\n"
                                                 "12/09/2026,01 02 03 04 05 26,2\n"
                                                 "12/05/2026,01 02 03 04 05 26,2\n"
                                                 "12/03/2026,03 11 17 21 40 07,2\n"
                                                 "12/02/2026,03 11 17 21 24 07,2\n";

    CliOutcome Added(bool byUpdate) {
        if (!byUpdate) {
            WriteFile("results.csv", kResults);
            return Run("import pb --dated results.csv --results");
        }
        HttpReply reply;
        reply.body = kResults;
        server.Serve("/rows.csv", reply);
        return Run("update pb --url " + server.Url("/rows.csv"));
    }

    LoopbackHttpServer server;
};

TEST_F(NewDrawingsCheckTest, TheAddedDrawingsAreCheckedAfterAnImportAndAnUpdate) {
    for (const bool byUpdate : {false, true}) {
        SCOPED_TRACE(byUpdate ? "update" : "import");
        TempWorkingDir fresh;
        WriteFile("drawings.txt", kTwoDrawings);
        ASSERT_EQ(Run("import pb --dated drawings.txt").status, 0);
        WriteFile("tickets.txt", kTickets);
        // 12/03 lies between the drawings held; 12/05 was held and is not checked again.
        const CliOutcome first = Added(byUpdate);
        EXPECT_EQ(first.status, 0);
        EXPECT_EQ(first.out,
                  "Your tickets won on 12/03/2026: line 2, 4 + Powerball, $50,000; line 3, 4 numbers, "
                  "$100; line 6, Powerball only, $4\n"
                  "Your tickets won on 12/09/2026: line 4, 3 + Powerball, $100; line 8, 5 numbers, "
                  "$1,000,000\n"
                  "Checked 6 tickets against 2 drawings: 11 plays\n"
                  "5 + Powerball: 0 wins, Jackpot\n"
                  "5 numbers: 1 win x $1,000,000 = $1,000,000\n"
                  "4 + Powerball: 1 win x $50,000 = $50,000\n"
                  "4 numbers: 1 win x $100 = $100\n"
                  "3 + Powerball: 1 win x $100 = $100\n"
                  "3 numbers: 0 wins x $7 = $0\n"
                  "2 + Powerball: 0 wins x $7 = $0\n"
                  "1 + Powerball: 0 wins x $4 = $0\n"
                  "Powerball only: 1 win x $4 = $4\n"
                  "Fixed prizes won: $1,050,204\n"
                  "Spent: $22 (11 plays at $2)\n"
                  "Jackpots won: none\n");
        EXPECT_EQ(first.messages().size(), 2u); // the import's summary and the tickets file's bad line
        // Nothing new: nothing checked.
        EXPECT_EQ(Added(byUpdate).out, "");
    }
}

TEST_F(NewDrawingsCheckTest, NothingIsShownWithoutATicketsFile) {
    for (const bool byUpdate : {false, true}) {
        SCOPED_TRACE(byUpdate ? "update" : "import");
        TempWorkingDir fresh;
        const CliOutcome added = Added(byUpdate);
        EXPECT_EQ(added.status, 0);
        EXPECT_EQ(added.out, "");
        EXPECT_EQ(added.messages().size(), 1u);
    }
}

} // namespace
} // namespace vantorel::test
