// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "cli/CommandTable.h"
#include "tests/cli/CliRunner.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

std::vector<std::string_view> Words(const std::string& line, std::vector<std::string>& storage) {
    storage = test::CommandWords(line);
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
        "--help run",
        "run --help",
        "run 7 --help",
        "help",
        "help wheel-of-fortune --help",
        "help import",
        "run 3 hottest --format json",
        "compare 3 --dated picks.txt --format=csv",
        "pattern 3 --undated 12 --format text",
        "analyze --format json",
    };
    for (const char* line : accepted) {
        EXPECT_TRUE(Parse(line).has_value()) << line;
    }
}

// Refusals beside those whose usage error text is checked below.
TEST(CommandLine, RefusesWhatTheGrammarDoesNot) {
    const char* refused[] = {
        "run 3 partial-number",
        "run 5 number-range",
        "run 3 totals --seed x",
        "run pb date-range --undated --from 01/01/98 --to 02/01/98",
        "analyze --yes",
        "analyze now",
        "import 3 --dated",
        "import 3 --undated results.csv --results",
        "import 3 results.csv --results",
        "import 3 --dated results.csv --results --append",
        "import 3 --dated results.csv --results --filter",
        "import 3 --dated results.csv --results --column",
        "import 3 --dated results.csv --results --column=",
        "append 3 --dated 01/02/98 --results",
        "compare 3 picks.txt",
        "pattern 3 --dated 123 --append",
        "backup now",
        "update",
        "update 7",
        "update 3 4",
        "update 3 --url",
        "update 3 --url=",
        "update 3 --url a --url b",
        "update 3 --column=",
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
        "--dir a analyze --dir=b",
        "--help run extra",
        "append 3 --dated 01/02/98 --format json",
        "backup --format csv",
    };
    for (const char* line : refused) {
        EXPECT_FALSE(Parse(line).has_value()) << line;
    }
}

// The values that no command test shows on its output (--last, --filter, --dir and the like do).
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
}

// Each usage error names the word that is wrong and, where one is close, the word that was meant; the
// "Try" line names the command's help.
TEST(CommandLine, UsageErrorsNameTheirWord) {
    struct Case {
        std::string line;
        std::string problem;
        std::string command; // whose help the error points to
    };
    const std::vector<Case> cases = {
        {"", "no command given", ""},
        {"rnu 3 hottest", "unknown command \"rnu\"; did you mean \"run\"?", ""},
        {"frobnicate", "unknown command \"frobnicate\"", ""},
        {"-V", "unknown option \"-V\"", ""},
        {"--json", "unknown option \"--json\"", ""},
        {"--vers", "unknown option \"--vers\"; did you mean \"--version\"?", ""},
        {"run 6 hot", "unknown operation \"hot\" for game 6; did you mean \"hottest\"?", "run"},
        {"run 6 number-range", "unknown operation \"number-range\" for game 6; did you mean \"number\"?",
         "run"},
        {"run 3 partial-nmber",
         "unknown operation \"partial-nmber\" for game 3; it has distribution, even-odd, high-low, totals, "
         "overdue, hottest, random, best-guess, date, date-range, number, number-range",
         "run"},
        {"run 7 hottest", "unknown game \"7\"; GAME is 3, 4, 5, 6 or pb", "run"},
        {"run pbb hottest", "unknown game \"pbb\"; did you mean \"pb\"?", "run"},
        {"run", "run needs GAME and OPERATION", "run"},
        {"run 3", "run needs OPERATION", "run"},
        {"run 3 totals extra", "run takes no word \"extra\" here", "run"},
        {"run 3 hottest --json", "run takes no option \"--json\"; did you mean \"--format json\"?", "run"},
        {"run 3 hottest --undate", "run takes no option \"--undate\"; did you mean \"--undated\"?", "run"},
        {"run 3 hottest --yes", "run takes no option \"--yes\"", "run"},
        {"run 3 totals --input", "option \"--input\" needs a value (TEXT)", "run"},
        {"run 3 totals --undated=1", "option \"--undated\" takes no value", "run"},
        {"run 3 totals --even-odd maybe", "--even-odd takes balls or numbers, not \"maybe\"", "run"},
        {"run 3 best-guess --strategy bold",
         "--strategy takes optimistic, pessimistic or nihilistic, not \"bold\"", "run"},
        {"run 3 random --seed -1", "--seed takes a whole number from 0 up, not \"-1\"", "run"},
        {"run 3 date --undated", "date searches the dated history only; leave out --undated", "run"},
        {"run 3 hottest --format xml", "--format takes text, csv or json, not \"xml\"", "run"},
        {"run 3 hottest --format jsn",
         "--format takes text, csv or json, not \"jsn\"; did you mean \"json\"?", "run"},
        {"analyze --format csv --format json", "--format is given more than once", "analyze"},
        {"import 3 draws.txt", "import needs one of --dated and --undated", "import"},
        {"import 3 --dated --undated draws.txt", "import needs one of --dated and --undated, not both",
         "import"},
        {"compare 3 --dated", "compare needs FILE", "compare"},
        {"append 3 --dated", "append needs DRAWING", "append"},
        {"pattern 5 --dated 12345", "pattern searches the 3 and 4 Number games only, not game 5", "pattern"},
        {"import 3 --dated r.csv --column Evening", "--column goes with --results", "import"},
        {"update 3 --timeout 0", "--timeout takes whole seconds from 1 to 86400, not \"0\"", "update"},
        {"settings --presets --preset powerball",
         "settings takes KEY=VALUE words, --preset NAME or --presets, only one of them", "settings"},
        {"--dir a --dir b analyze", "--dir is given more than once", "analyze"},
        {"--version --dir a", "--version takes no other word", ""},
        {"help runn", "unknown command \"runn\"; did you mean \"run\"?", ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> storage;
        const ParsedArguments parsed = ParseArguments(Words(c.line, storage));
        EXPECT_FALSE(parsed.line.has_value()) << c.line;
        EXPECT_EQ(parsed.problem, c.problem) << c.line;
        const std::string hint = c.command.empty() ? "Try \"vantorel-cli help\".\n"
                                                   : "Try \"vantorel-cli help " + c.command + "\".\n";
        EXPECT_EQ(UsageErrorText(parsed), "vantorel-cli: " + c.problem + "\n" + hint) << c.line;
    }
}

TEST(CommandLine, HelpNamesItsCommand) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"help", ""},          {"--help", "--help"},  {"-h", "--help"},    {"help run", "run"},
        {"--help run", "run"}, {"run --help", "run"}, {"run 7 -h", "run"}, {"analyze --help", "analyze"},
    };
    for (const auto& [text, topic] : cases) {
        const std::optional<CommandLine> line = Parse(text);
        ASSERT_TRUE(line) << text;
        EXPECT_EQ(line->command, CliCommand::Help) << text;
        EXPECT_EQ(line->helpTopic, topic) << text;
    }
}

// help COMMAND prints the command's usage and one line per option it takes (and --dir); help alone one
// line per command.
TEST(CommandLine, HelpTextsComeFromTheCommandTable) {
    const std::string overview = CommandHelpText("");
    for (const CommandRow& row : kCommandTable) {
        EXPECT_NE(overview.find("\n  " + std::string(row.name) + " "), std::string::npos) << row.name;
        const std::string help = CommandHelpText(row.name);
        EXPECT_EQ(help.rfind("usage:\n  vantorel-cli " + std::string(row.name), 0), 0U) << help;
        for (const OptionRow& option : row.options) {
            EXPECT_NE(help.find("\n  " + std::string(option.name)), std::string::npos)
                << row.name << option.name;
        }
        EXPECT_NE(help.find("\n  --dir DIR "), std::string::npos);
        EXPECT_NE(UsageText().find("  vantorel-cli " + std::string(row.name)), std::string::npos) << row.name;
    }
    EXPECT_NE(
        CommandHelpText("run").find("  --power TEXT                  the Power Ball field (game pb only)\n"),
        std::string::npos);
    EXPECT_NE(HelpText().find("3 analyze found errors"), std::string::npos);
}

TEST(CommandLine, ClosestWord) {
    const std::vector<std::string_view> known = {"hottest", "overdue", "number", "number-range"};
    EXPECT_EQ(ClosestWord("hot", known), "hottest");
    EXPECT_EQ(ClosestWord("overdeu", known), "overdue");
    EXPECT_EQ(ClosestWord("numbr", known), "number");
    EXPECT_EQ(ClosestWord("number", known), "");
    EXPECT_EQ(ClosestWord("zz", known), "");
    EXPECT_EQ(ClosestWord("completely-else", known), "");
    EXPECT_EQ(ClosestWord("", known), "");
}

} // namespace
} // namespace vantorel
