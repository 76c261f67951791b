// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <utility>

namespace vantorel {
namespace {

using Json = nlohmann::json;
using Records = std::vector<std::vector<std::string>>;

// Reads CSV as the formats writer makes it: fields separated by commas, records ended by CR LF, quoted fields
// with doubled quotes (the writer's own test checks its quoting). A record without its line end is lost.
Records ReadCsv(const std::string& text) {
    Records records(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
            if (!quoted && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
            }
        } else if (!quoted && text[i] == ',') {
            records.back().push_back(std::exchange(field, {}));
        } else if (!quoted && text.compare(i, 2, "\r\n") == 0) {
            records.back().push_back(std::exchange(field, {}));
            records.emplace_back();
            ++i;
        } else {
            field += text[i];
        }
    }
    records.pop_back();
    return records;
}

// The whole numbers written in a text, in order.
std::vector<long> NumbersIn(const std::string& text) {
    std::vector<long> numbers;
    for (std::size_t i = 0; i < text.size();) {
        if (std::isdigit(static_cast<unsigned char>(text[i])) == 0) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0) {
            ++end;
        }
        numbers.push_back(std::stol(text.substr(i, end - i)));
        i = end;
    }
    return numbers;
}

// The numbers a JSON cell stands for as the text shows them: a number, the digits of a text of digits, and
// a date's month, day and two-digit year.
std::vector<long> NumbersOfCell(const Json& cell) {
    if (cell.is_number_integer()) {
        return {cell.get<long>()};
    }
    if (!cell.is_string()) {
        return {};
    }
    const std::string text = cell.get<std::string>();
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        return {std::stol(text.substr(5, 2)), std::stol(text.substr(8, 2)),
                std::stol(text.substr(0, 4)) % 100};
    }
    return NumbersIn(text);
}

struct FormatCase {
    std::string command;
    std::string table; // the JSON member holding the rows, the table that CSV writes
    int rows;          // its rows; -1: one per line of the text
    std::vector<std::string> skipped = {"rank"}; // columns whose numbers the text does not show
};

class OutputFormatsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ShowNotices(RunFirstTimeSetup(profile).notices());
        std::filesystem::copy_file(test::TestDataPath("shared/sample-vtrmain.dat"), "vtrmain.dat");
        test::WriteFile("picks.txt", "123\n548\n");
        test::WriteFile("lotto-picks.txt", "3 7 12 21 25 36\n");
    }

    test::TempWorkingDir dir;
    MemoryProfileStore profile;
    test::CliRunner cli{profile};
};

// Every command's JSON parses, holds the text's lines and the numbers the text shows, and its CSV is the
// same table, rectangular, with a header row.
TEST_F(OutputFormatsTest, JsonAndCsvHoldWhatTheTextShows) {
    const std::vector<FormatCase> cases = {
        {"run 3 distribution", "counts", 20},
        {"run 3 even-odd --even-odd numbers", "counts", 2, {"count"}},
        {"run 3 high-low", "counts", 2, {"count"}},
        {"run 3 totals", "totals", -1},
        {"run 3 hottest", "numbers", 1},
        {"run 3 overdue --method numbers", "numbers", 90}, // under a heading line
        {"run 3 number --input 123", "drawings", -1},
        // The undated history's text names the first number found and how often: the table has each.
        {"run 4 number-range --from 0100 --to 0150 --undated", "drawings", 7, {"number"}},
        {"run 3 date-range --from 01/01/20 --to 01/05/20", "drawings", -1},
        {"run 3 random --seed 9", "picks", 1},
        {"run 5 distribution", "counts", 26},
        {"run pb distribution", "counts", 49 + 42},
        {"run 6 even-odd", "counts", 2, {"count"}},
        {"run 6 totals", "drawings", -1},
        {"run 6 hottest", "balls", 7},
        {"run pb hottest", "balls", 14},
        {"run 6 partial-number --input \"3 7\"", "drawings", -1},
        {"run pb date --input 10/05/02", "drawings", 1},
        {"run pb number --input \"14 19 22 39 43\" --power 12", "drawings", -1},
        {"run pb random --seed 9", "picks", 6},
        {"compare 3 --dated picks.txt", "", -1},
        {"compare 6 --dated lotto-picks.txt", "", -1},
        {"pattern 3 --dated 12", "", -1},
        {"analyze", "sections", 10, {"section"}},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.command);
        const test::CliOutcome text = cli.Run(c.command);
        const test::CliOutcome json = cli.Run(c.command + " --format json");
        const test::CliOutcome csv = cli.Run(c.command + " --format csv");
        EXPECT_EQ(json.status, text.status);
        EXPECT_EQ(csv.status, text.status);
        ASSERT_FALSE(text.lines().empty());

        const Json document = Json::parse(json.out);
        EXPECT_EQ(document["command"], c.command.substr(0, c.command.find(' ')));
        EXPECT_EQ(document["lines"].get<std::vector<std::string>>(), text.lines());
        EXPECT_EQ(document["messages"].get<std::vector<std::string>>(), text.messages());
        const std::string tableName = c.table.empty() ? "lines" : c.table;
        const Records records = ReadCsv(csv.out);
        ASSERT_FALSE(records.empty());
        for (const auto& record : records) {
            EXPECT_EQ(record.size(), records.front().size());
        }
        if (c.table.empty()) {
            EXPECT_EQ(records.front(), std::vector<std::string>{"line"});
            ASSERT_EQ(records.size(), text.lines().size() + 1);
            for (std::size_t i = 0; i < text.lines().size(); ++i) {
                EXPECT_EQ(records[i + 1].front(), text.lines()[i]);
            }
            continue;
        }
        ASSERT_TRUE(document.contains(c.table)) << json.out;
        const Json& rows = document[c.table];
        const std::size_t expectedRows = c.rows < 0 ? text.lines().size() : static_cast<std::size_t>(c.rows);
        EXPECT_EQ(rows.size(), expectedRows);
        ASSERT_EQ(records.size(), rows.size() + 1);

        // The CSV is the JSON's table, cell for cell.
        std::map<long, int> shown;
        for (const long number : NumbersIn(text.out)) {
            ++shown[number];
        }
        for (std::size_t row = 0; row < rows.size(); ++row) {
            ASSERT_EQ(rows[row].size(), records.front().size());
            for (std::size_t column = 0; column < records.front().size(); ++column) {
                const std::string& name = records.front()[column];
                const Json& cell = rows[row][name];
                const std::string field = records[row + 1][column];
                if (cell.is_string()) {
                    EXPECT_EQ(field, cell.get<std::string>());
                } else if (cell.is_null()) {
                    EXPECT_EQ(field, "");
                } else {
                    EXPECT_EQ(field, cell.dump()) << name;
                }
                if (std::find(c.skipped.begin(), c.skipped.end(), name) != c.skipped.end()) {
                    continue;
                }
                // Every number of the table is one the text shows (as often as the table has it).
                for (const long number : NumbersOfCell(cell)) {
                    EXPECT_GT(shown[number]--, 0) << name << " " << number << " in row " << row;
                }
            }
        }
    }
}

// Counts whose text shows percentages: the counts give those percentages.
TEST_F(OutputFormatsTest, EvenOddCountsGiveTheTextsPercentages) {
    const Json document = Json::parse(cli.Run("run 6 even-odd --format json").out);
    const long even = document["counts"][0]["count"];
    const long odd = document["counts"][1]["count"];
    ASSERT_GT(even + odd, 0);
    const std::vector<long> percentages = NumbersIn(document["lines"][0]);
    ASSERT_EQ(percentages.size(), 2U);
    EXPECT_NEAR(percentages[0], 100.0 * static_cast<double>(even) / static_cast<double>(even + odd), 1.0);
}

TEST_F(OutputFormatsTest, MessagesGoUnderMessagesAndToTheUser) {
    const test::CliOutcome outcome = cli.Run("run 3 number --input abc --format json");
    EXPECT_EQ(outcome.status, 1);
    ASSERT_FALSE(outcome.messages().empty());
    // A refused operation writes no document: the message says why.
    EXPECT_EQ(outcome.out, "");
    const test::CliOutcome missing = cli.Run("compare 3 --dated no-such-file.txt --format json");
    const Json document = Json::parse(missing.out);
    EXPECT_EQ(document["messages"].get<std::vector<std::string>>(), missing.messages());
    EXPECT_FALSE(document["messages"].empty());
}

// analyze: 0 when every section is free of errors, 3 when it reports any error, 1 when the file cannot be
// read at all; the same in every format.
TEST_F(OutputFormatsTest, AnalyzeExitStatuses) {
    struct Case {
        std::string history; // empty: no history file
        int status;
        bool errors;
    };
    const std::vector<Case> cases = {
        {"0 2 123 456\n1 1 98/01/02 123\n", 0, false},
        {"0 2 123 4x6\n", 3, true},
        {"12 1 123\n", 3, true},
        {"", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.history);
        std::filesystem::remove("vtrmain.dat");
        if (!c.history.empty()) {
            test::WriteFile("vtrmain.dat", c.history);
        }
        EXPECT_EQ(cli.Run("analyze").status, c.status);
        const test::CliOutcome json = cli.Run("analyze --format json");
        EXPECT_EQ(json.status, c.status);
        if (c.history.empty()) {
            continue;
        }
        const Json sections = Json::parse(json.out)["sections"];
        const bool anyError = std::any_of(sections.begin(), sections.end(),
                                          [](const Json& row) { return row["errors"] == true; });
        EXPECT_EQ(anyError, c.errors);
    }
}

// analyze --format json: every error named by its drawing is a record of "named_errors", as its line reads.
TEST_F(OutputFormatsTest, AnalyzeNamesBadDrawingsAsRecords) {
    test::WriteFile("vtrmain.dat", "1 3 98/01/02 123 98/13/02 7 98/01/04 8\r\n5 2 98/01/02 1 2 2 4 5\r\n");
    const test::CliOutcome json = cli.Run("analyze --format json");
    EXPECT_EQ(json.status, 3);
    const Json named = Json::parse(json.out)["named_errors"];
    ASSERT_EQ(named.size(), 3U) << json.out;
    EXPECT_EQ(named[0]["line"], 1);
    EXPECT_EQ(named[0]["game"], "3");
    EXPECT_EQ(named[0]["history"], "dated");
    EXPECT_EQ(named[0]["in_use"], true);
    EXPECT_EQ(named[0]["drawing"], 2);
    EXPECT_EQ(named[0]["problem"], "date 98/13/02 is not a date");
    EXPECT_EQ(named[0]["text"], "3 Number Dated, drawing 2: date 98/13/02 is not a date");
    EXPECT_EQ(named[1]["drawing"], 1);
    EXPECT_EQ(named[1]["problem"], "the number 2 is there twice");
    EXPECT_TRUE(named[2]["drawing"].is_null());
    EXPECT_EQ(named[2]["text"], "5 Number Dated: the count says 2, the line holds 1 drawing");
    const std::vector<std::string> lines = Json::parse(json.out)["lines"].get<std::vector<std::string>>();
    ASSERT_GE(lines.size(), 3U);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{named[0]["text"], named[1]["text"], named[2]["text"]}));
}

} // namespace
} // namespace vantorel
