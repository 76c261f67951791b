#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantorel {
namespace {

std::vector<std::string_view> Words(const std::string& line, std::vector<std::string>& storage) {
    std::istringstream stream(line);
    storage.clear();
    for (std::string word; stream >> word;) {
        storage.push_back(word);
    }
    return {storage.begin(), storage.end()};
}

std::optional<CommandLine> Parse(const std::string& line) {
    std::vector<std::string> storage;
    return ParseCommandLine(Words(line, storage));
}

// The forms of the grammar that the command tests do not run already.
TEST(CommandLine, AcceptsTheFormsTheCommandTestsDoNotRun) {
    const char* accepted[] = {
        "run 3 totals",
        "run 4 number-range --input 0100 --from 0100 --to 0200 --undated",
        "run 5 partial-number --input 1,2",
        "run pb number --input 1,2,3,4,5 --power 6",
        "run 3 overdue --predictions date-range --from 01/01/98 --to 02/01/98 --method numbers",
        "run 3 date --input=01/02/98",
        "import pb --undated draws.txt --append --filter --yes",
        "import 3 --results --dated results.csv --column=Evening --yes",
        "--dir history analyze",
        "run 3 totals --dir=history",
        "--dir=a import 3 --dated draws.txt --yes",
        "stats 5 --undated --last 10",
        "stats pb --last=1 --dir a",
        "backtest 3 hottest --method numbers --warmup 0",
        "backtest pb best-guess --strategy nihilistic --seed 7 --undated",
        "backtest 6 totals", // refused by the backtest, with its message
        "update 3",
        "update pb --url=http://127.0.0.1:8080/rows.csv --column Evening --timeout 86400 --yes --dir a",
        "--help",
    };
    for (const char* line : accepted) {
        EXPECT_TRUE(Parse(line).has_value()) << line;
    }
}

TEST(CommandLine, RefusesWhatTheGrammarDoesNot) {
    const char* refused[] = {
        "",
        "bogus",
        "run",
        "run 3",
        "run 7 totals",
        "run 3 sums",
        "run 3 partial-number",
        "run 5 number-range",
        "run 3 totals extra",
        "run 3 totals --input",
        "run 3 totals --even-odd maybe",
        "run 3 totals --seed -1",
        "run 3 totals --seed x",
        "run 3 totals --yes",
        "run 3 date --undated --input 01/02/98",
        "run pb date-range --undated --from 01/01/98 --to 02/01/98",
        "analyze --yes",
        "analyze now",
        "import 3 draws.txt",
        "import 3 --dated --undated draws.txt",
        "import 3 --dated",
        "append 3 --dated",
        "import 3 --undated results.csv --results",
        "import 3 results.csv --results",
        "import 3 --dated results.csv --results --append",
        "import 3 --dated results.csv --results --filter",
        "import 3 --dated results.csv --column Evening",
        "import 3 --dated results.csv --results --column",
        "import 3 --dated results.csv --results --column=",
        "append 3 --dated 01/02/98 --results",
        "compare 3 picks.txt",
        "pattern 5 --dated 12345",
        "pattern 3 --dated 123 --append",
        "backup now",
        "update",
        "update 7",
        "update 3 4",
        "update 3 --url",
        "update 3 --url=",
        "update 3 --url a --url b",
        "update 3 --column=",
        "update 3 --timeout 0",
        "update 3 --timeout 86401",
        "update 3 --timeout 1.5",
        "update 3 --dated",
        "stats",
        "stats 7",
        "stats 5 6",
        "stats 5 --dated",
        "stats 5 --last",
        "stats 5 --last -1",
        "stats 5 --last 1 --last 2",
        "stats 5 --warmup 3",
        "backtest 5",
        "backtest 5 sums",
        "backtest 5 hottest extra",
        "backtest 5 hottest --warmup -1",
        "backtest 5 hottest --warmup 1 --warmup 2",
        "backtest 5 hottest --last 3",
        "backtest 5 hottest --strategy bold",
        "restore --force",
        "settings --yes",
        "--dir",
        "--dir history",
        "analyze --dir",
        "--dir a --dir b analyze",
        "--dir a analyze --dir=b",
        "--help run",
        "--version --dir a",
        "run --help",
    };
    for (const char* line : refused) {
        EXPECT_FALSE(Parse(line).has_value()) << line;
    }
}

TEST(CommandLine, CarriesTheValuesAndChoices) {
    const std::optional<CommandLine> line = Parse(
        "run 4 best-guess --undated --input 12 --from 01/01/98 --to 02/02/98 --power 7 --even-odd balls "
        "--high-low balls --predictions month --method numbers --match box --strategy optimistic --seed 99");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->command, CliCommand::Run);
    EXPECT_EQ(line->gameType, 1);
    EXPECT_EQ(line->operation, kBestGuess);
    EXPECT_FALSE(line->dated);
    EXPECT_EQ(line->input, "12");
    EXPECT_EQ(line->from, "01/01/98");
    EXPECT_EQ(line->to, "02/02/98");
    EXPECT_EQ(line->power, "7");
    EXPECT_EQ(line->seed, 99);
    for (const int choice : {kEvenOddCountBalls, kHighLowCountBalls, kPredictByMonth, kPredictUseNumbers,
                             kSearchBox, kBestGuessOptimistic}) {
        EXPECT_TRUE(line->choices[choice]) << choice;
    }

    const std::optional<CommandLine> stats = Parse("stats 6 --last 25 --undated");
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->command, CliCommand::Stats);
    EXPECT_EQ(stats->gameType, 3);
    EXPECT_FALSE(stats->dated);
    EXPECT_EQ(stats->lastDrawings, 25);

    const std::optional<CommandLine> backtest =
        Parse("backtest 4 best-guess --warmup 30 --strategy pessimistic --seed 5 --method numbers");
    ASSERT_TRUE(backtest);
    EXPECT_EQ(backtest->command, CliCommand::Backtest);
    EXPECT_EQ(backtest->operation, kBestGuess);
    EXPECT_TRUE(backtest->dated);
    EXPECT_EQ(backtest->warmup, 30);
    EXPECT_EQ(backtest->seed, 5);
    EXPECT_TRUE(backtest->choices[kBestGuessPessimistic]);
    EXPECT_TRUE(backtest->choices[kPredictUseNumbers]);

    const std::optional<CommandLine> import = Parse("import pb --undated a.txt --filter");
    ASSERT_TRUE(import);
    EXPECT_EQ(import->gameType, 4);
    EXPECT_FALSE(import->dated);
    EXPECT_EQ(import->input, "a.txt");
    EXPECT_TRUE(import->filter);
    EXPECT_FALSE(import->append);
    EXPECT_FALSE(import->yes);
    EXPECT_FALSE(import->results);

    const std::optional<CommandLine> results = Parse("import 6 --dated r.csv --results --column=numbers");
    ASSERT_TRUE(results);
    EXPECT_TRUE(results->results);
    EXPECT_EQ(results->column, "numbers");

    const std::optional<CommandLine> defaults = Parse("run 3 hottest");
    ASSERT_TRUE(defaults);
    EXPECT_TRUE(defaults->dated);
    EXPECT_EQ(defaults->choices, SetupChoices());
    EXPECT_EQ(defaults->seed, 0);
    EXPECT_FALSE(defaults->directory);

    const std::optional<CommandLine> elsewhere = Parse("--dir ../lotto compare 6 --dated picks.txt");
    ASSERT_TRUE(elsewhere);
    EXPECT_EQ(elsewhere->command, CliCommand::Compare);
    EXPECT_EQ(elsewhere->directory, "../lotto");
    EXPECT_EQ(elsewhere->input, "picks.txt");
    EXPECT_EQ(Parse("--version").value().command, CliCommand::Version);
    EXPECT_EQ(Parse("-h").value().command, CliCommand::Help);
}

} // namespace
} // namespace vantorel
