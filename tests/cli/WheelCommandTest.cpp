// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel-cli wheel and wheel --check, run in this process: the tickets on standard output, the summary
// and the table of wins as messages, the exit statuses, and bad input named.

#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "platform/ProfileStore.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

// The Fano plane on 1..7: every pair of numbers on exactly one ticket.
constexpr const char* kFano = "1 2 4\n2 3 5\n3 4 6\n4 5 7\n1 5 6\n2 6 7\n1 3 7\n";

std::vector<int> NumbersOf(const std::string& line) {
    std::istringstream words(line);
    std::vector<int> numbers;
    for (int number = 0; words >> number;) {
        numbers.push_back(number);
    }
    return numbers;
}

class WheelCommandTest : public ::testing::Test {
protected:
    WheelCommandTest() { static_cast<void>(RunFirstTimeSetup(profile)); }

    CliOutcome Wheel(const std::string& arguments) { return CliRunner(profile).Run("wheel " + arguments); }

    TempWorkingDir directory;
    MemoryProfileStore profile;
};

TEST_F(WheelCommandTest, PrintsVerifiedTicketsThenTheSummaryAndTheWins) {
    const CliOutcome fano = Wheel("--count 7 --size 3 --guarantee 2 --if 2 --seconds 1");
    ASSERT_EQ(fano.status, 0) << fano.out;
    EXPECT_EQ(fano.out, "1 2 7\n1 3 5\n1 4 6\n2 3 6\n2 4 5\n3 4 7\n5 6 7\n");
    const Lines messages = fano.messages();
    ASSERT_EQ(messages.size(), 2U);
    EXPECT_EQ(messages[0].substr(0, messages[0].find("\nMade by: ")),
              "7 tickets of 3 numbers from a pool of 7, guarantee 2 if 2, verified.\n"
              "Size against the Schönheim bound: 7 tickets, the bound 7 (meets it).\n"
              "Best known: 7 tickets (proven optimal; Steiner system S(2,3,7), meets the Schönheim bound).");
    // Two of the pool drawn: some ticket holds both, and one ticket of the seven does.
    EXPECT_EQ(
        messages[1],
        "Table of wins: by drawn numbers in the pool, the best match guaranteed and on average, and how "
        "many tickets match each count on average.\n"
        "In pool  Guaranteed  Average best  Matching 3  Matching 2\n"
        "      2           2          2.00           -        1.00\n"
        "      3           2          2.20        0.20        2.40");
}

TEST_F(WheelCommandTest, EveryTicketHoldsTheKeysAndOnlyPoolNumbers) {
    const struct {
        const char* arguments;
        std::vector<int> keys;
        std::size_t size;
    } cases[] = {
        {"--pool \"3 9 14 22 27 31 38 45 49\" --size 5 --guarantee 3 --if 3 --keys \"9 45\"", {9, 45}, 5},
        {"--pool 1,2,3,4,5,6,7,8,9,10,11,12,13,14 --size 5 --guarantee 2 --if 2 --keys 14", {14}, 5},
        {"--count 9 --size 3 --guarantee 2 --if 2", {}, 3},
    };
    for (const auto& c : cases) {
        const CliOutcome outcome = Wheel(c.arguments);
        ASSERT_EQ(outcome.status, 0) << c.arguments;
        if (c.keys.size() == 1) {
            EXPECT_NE(outcome.messages().front().find(" with key number 14, guarantee 2 if 2"),
                      std::string::npos);
        }
        const CliOutcome again = Wheel(c.arguments);
        EXPECT_EQ(again.out, outcome.out) << "the same seed makes the same wheel: " << c.arguments;
        for (const std::string& line : outcome.lines()) {
            const std::vector<int> ticket = NumbersOf(line);
            EXPECT_EQ(ticket.size(), c.size) << line;
            EXPECT_TRUE(std::is_sorted(ticket.begin(), ticket.end())) << line;
            for (const int key : c.keys) {
                EXPECT_TRUE(std::count(ticket.begin(), ticket.end(), key) == 1) << line;
            }
        }
    }
}

TEST_F(WheelCommandTest, TicketSizeAndPriceComeFromTheGame) {
    // The first-run settings: a 6 Number game, no price known.
    const CliOutcome sixes = Wheel("--count 8 --guarantee 1 --if 1");
    ASSERT_EQ(sixes.status, 0);
    EXPECT_EQ(NumbersOf(sixes.lines().front()).size(), 6U);
    EXPECT_EQ(sixes.messages()[1].find("Cost:"), std::string::npos);

    // A Powerball folder: five numbers a ticket at $2; another size is no single play and has no price.
    ASSERT_TRUE(UseGamePreset(profile, *FindGamePreset("powerball")));
    const CliOutcome fives = Wheel("--count 8 --guarantee 1 --if 1");
    ASSERT_EQ(fives.status, 0);
    EXPECT_EQ(fives.lines(), (Lines{"1 2 3 4 5", "1 2 6 7 8"}));
    EXPECT_NE(fives.messages()[1].find("\nCost: 2 tickets at $2.00 = $4.00."), std::string::npos);
    const CliOutcome sevens = Wheel("--count 8 --size 7 --guarantee 1 --if 1");
    EXPECT_EQ(sevens.messages()[1].find("Cost:"), std::string::npos);
}

TEST_F(WheelCommandTest, SavesTheTicketsItPrints) {
    const CliOutcome saved = Wheel("--count 9 --size 3 --guarantee 2 --if 2 --save wheel.txt");
    ASSERT_EQ(saved.status, 0);
    EXPECT_EQ(ReadFile("wheel.txt"), saved.out);

    const CliOutcome nowhere = Wheel("--count 7 --size 3 --guarantee 2 --if 2 --save missing/wheel.txt");
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_EQ(nowhere.lines().size(), 7U); // the tickets are still printed
    EXPECT_EQ(nowhere.messages().back(),
              "The tickets could not be saved to missing/wheel.txt:\nits folder is missing.");
}

TEST_F(WheelCommandTest, ChecksTicketFiles) {
    WriteFile("fano.txt", kFano);
    const CliOutcome holds = Wheel("--check fano.txt --count 7 --guarantee 2 --if 2");
    EXPECT_EQ(holds.status, 0);
    EXPECT_EQ(holds.lines().front(), "The tickets hold 2 if 2 for the 7 pool numbers: 7 tickets.");
    EXPECT_EQ(holds.lines().at(2), "In pool  Guaranteed  Average best  Matching 3  Matching 2");
    EXPECT_TRUE(holds.messages().empty());

    // Without its last ticket, 1 and 3 share no ticket any more.
    const struct {
        const char* tickets;
        const char* arguments;
        const char* missing;
        const char* message;
    } misses[] = {
        {"1 2 4\n2 3 5\n3 4 6\n4 5 7\n1 5 6\n2 6 7\n", "--count 7 --guarantee 2 --if 2", "1 3\n",
         "The tickets miss the guarantee 2 if 2: no ticket holds 2 of 1 3."},
        {"", "--pool \"10 20 30\" --guarantee 1 --if 2", "10 20\n",
         "The tickets miss the guarantee 1 if 2: no ticket holds 1 of 10 20."},
    };
    for (const auto& c : misses) {
        WriteFile("wheel.txt", c.tickets);
        const CliOutcome outcome = Wheel(std::string("--check wheel.txt ") + c.arguments);
        EXPECT_EQ(outcome.status, 1) << c.arguments;
        EXPECT_EQ(outcome.out, c.missing) << c.arguments;
        EXPECT_EQ(outcome.messages(), Lines{c.message}) << c.arguments;
    }
}

TEST_F(WheelCommandTest, RefusesTicketFilesItCannotCheck) {
    const struct {
        const char* tickets; // nullptr: no file
        const char* message;
    } cases[] = {
        {nullptr, "The ticket file wheel.txt could not be read: there is no such file."},
        {"1 2 4\n2 3 x\n", "Line 2 of the ticket file: \"x\" is not a number."},
    };
    for (const auto& c : cases) {
        std::filesystem::remove("wheel.txt");
        if (c.tickets != nullptr) {
            WriteFile("wheel.txt", c.tickets);
        }
        const CliOutcome outcome = Wheel("--check wheel.txt --count 7 --guarantee 2 --if 2");
        EXPECT_EQ(outcome.status, 1) << c.message;
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.messages(), Lines{c.message});
    }
}

// The options' own words; the request's rules are the generator's (one row shows they reach the user here).
TEST_F(WheelCommandTest, NamesBadInputAsAUsageError) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"--pool \"1 2 3 123456789012345678901\" --size 3 --guarantee 2 --if 2",
         "Pool number 123456789012345678901 is outside 1 to 99."},
        {"--pool \"1 2 -3 4\" --size 3 --guarantee 2 --if 2", "Pool number \"-3\" is not a whole number."},
        {"--pool \" , \" --size 3 --guarantee 2 --if 2", "The pool holds no numbers."},
        {"--count 9 --size 3 --guarantee 2 --if 2 --keys 12", "Key number 12 is not in the pool."},
        {"--count 100 --size 3 --guarantee 2 --if 2",
         "--count takes a whole number from 1 to 99, not \"100\"."},
        {"--count 9 --size six --guarantee 2 --if 2",
         "--size takes a whole number from 1 to 99, not \"six\"."},
        {"--count 9 --size 3 --guarantee 0 --if 2",
         "--guarantee takes a whole number from 1 to 99, not \"0\"."},
        {"--count 9 --size 3 --guarantee 2 --if 2 --seconds 0",
         "--seconds takes a time in seconds of more than 0 and at most 3600, not \"0\"."},
        {"--count 9 --size 3 --guarantee 2 --if 2 --seed -1",
         "--seed takes a whole number of 0 or more, not \"-1\"."},
        {"--check wheel.txt --count 3 --guarantee 2 --if 4",
         "The guarantee 2 if 4 counts 4 drawn numbers, more than the pool of 3 holds."},
    };
    for (const auto& c : cases) {
        const CliOutcome outcome = Wheel(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.arguments;
        EXPECT_EQ(outcome.out, "") << c.arguments;
        EXPECT_EQ(outcome.messages(), Lines{c.message}) << c.arguments;
    }
}

// CSV: the tickets as a table (the summary and the wins stay on standard error); JSON: one document with
// the facts, the tickets and the wins, and nothing on standard error but what went wrong.
TEST_F(WheelCommandTest, WritesCsvAndJsonThroughTheFormatsWriter) {
    const CliOutcome csv = Wheel("--count 7 --size 3 --guarantee 2 --if 2 --format csv");
    ASSERT_EQ(csv.status, 0);
    EXPECT_EQ(
        csv.out,
        "ticket,n1,n2,n3\r\n1,1,2,7\r\n2,1,3,5\r\n3,1,4,6\r\n4,2,3,6\r\n5,2,4,5\r\n6,3,4,7\r\n7,5,6,7\r\n");
    EXPECT_EQ(csv.messages().size(), 2U);

    const CliOutcome json = Wheel("--count 7 --size 3 --guarantee 2 --if 2 --format json");
    ASSERT_EQ(json.status, 0);
    EXPECT_TRUE(json.shown.empty());
    for (const char* member :
         {"\"command\": \"wheel\"", "\"pool\": \"1 2 3 4 5 6 7\"", "\"ticket_count\": 7",
          "\"lower_bound\": 7", "\"lower_bound_kind\": \"Schönheim bound\"", "\"schoenheim_bound\": 7",
          "\"best_known_proven\": true", "\"verified\": true", "\"drawn_in_pool\": 3",
          "\"average_best_match\": 2.2", "\"tickets_matching_3\": null", "\"n3\": 7", "\"messages\": []"}) {
        EXPECT_NE(json.out.find(member), std::string::npos) << member << "\n" << json.out;
    }

    WriteFile("fano.txt", "1 2 4\n2 3 5\n3 4 6\n4 5 7\n1 5 6\n2 6 7\n");
    const CliOutcome missed = Wheel("--check fano.txt --count 7 --guarantee 2 --if 2 --format csv");
    EXPECT_EQ(missed.status, 1);
    EXPECT_EQ(missed.out, "n1,n2\r\n1,3\r\n");
    const CliOutcome held = Wheel("--check fano.txt --count 7 --guarantee 1 --if 2 --format json");
    EXPECT_EQ(held.status, 0);
    EXPECT_NE(held.out.find("\"holds\": true"), std::string::npos) << held.out;
    EXPECT_NE(held.out.find("\"wins\": ["), std::string::npos) << held.out;
}

TEST_F(WheelCommandTest, RefusesCallsOutsideItsGrammar) {
    for (const char* arguments : {
             "--count 9 --pool \"1 2 3\" --size 3 --guarantee 2 --if 2",  // two pools
             "--size 3 --guarantee 2 --if 2",                             // no pool
             "--count 9 --size 3 --if 2",                                 // no guarantee
             "--count 9 --size 3 --guarantee 2",                          // no M
             "--count 9 --count 8 --size 3 --guarantee 2 --if 2",         // an option twice
             "--check w.txt --count 9 --size 3 --guarantee 2 --if 2",     // a check takes no ticket size
             "--check w.txt --count 9 --guarantee 2 --if 2 --save x.txt", // ... and saves nothing
             "--count 9 --size 3 --guarantee 2 --if 2 extra",             // a stray word
             "--count 9 --size 3 --guarantee 2 --if 2 --save=",           // an empty file name
         }) {
        const CliOutcome outcome = Wheel(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments;
        EXPECT_TRUE(outcome.shown.empty()) << arguments;
    }
}

} // namespace
} // namespace vantorel::test
