// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ResultDocument.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace vantorel {
namespace {

using Json = nlohmann::json;

TEST(ResultDocumentTest, CellsAreWrittenAsCsvFields) {
    struct Case {
        Cell cell;
        std::string field; // as a one-column table's only record writes it
    };
    const std::vector<Case> cases = {
        {Cell(), ""},
        {Cell(42), "42"},
        {Cell(std::size_t{7}), "7"},
        {Cell(-3), "-3"},
        {Cell(0.25), "0.25"},
        {Cell(std::numeric_limits<double>::quiet_NaN()), ""},
        {Cell(true), "true"},
        {Cell("007"), "007"},
        {Cell(IsoDate{1998, 1, 2}), "1998-01-02"},
        {Cell("a,b"), "\"a,b\""},
        {Cell("say \"hi\""), "\"say \"\"hi\"\"\""},
        {Cell("two\nlines"), "\"two\nlines\""},
        {Cell("cr\rhere"), "\"cr\rhere\""},
        {Cell(" spaced "), " spaced "},
        {Cell(WholeNumbers{3, 17}), "3 17"},
        {Cell(WholeNumbers{}), ""},
    };
    for (const Case& c : cases) {
        ResultTable table{"t", {"value"}, {}};
        table.AddRow({c.cell});
        EXPECT_EQ(CsvOf(table), "value\r\n" + c.field + "\r\n") << c.field;
    }
}

TEST(ResultDocumentTest, CsvRecordsAreAsWideAsTheHeader) {
    ResultTable table{"numbers", {"rank", "number", "count"}, {}};
    table.AddRow({1, "123", 14});
    table.AddRow({2});
    table.AddRow({});
    EXPECT_EQ(CsvOf(table), "rank,number,count\r\n1,123,14\r\n2,,\r\n,,\r\n");
    EXPECT_THROW(table.AddRow({1, 2, 3, 4}), std::invalid_argument);
    EXPECT_EQ(table.rows.size(), 3U);
}

TEST(ResultDocumentTest, HeaderNamesAreQuotedLikeFields) {
    const ResultTable table{"t", {"a,b", "c"}, {}};
    EXPECT_EQ(CsvOf(table), "\"a,b\",c\r\n");
}

TEST(ResultDocumentTest, SectionsAreTitledAndSeparatedByAnEmptyLine) {
    ResultTable first{"Hottest, 3 Number", {"line"}, {}};
    first.AddRow({"x"});
    ResultTable second{"Totals", {"total", "count"}, {}};
    second.AddRow({0, 5});
    EXPECT_EQ(CsvOfSections({first, second}),
              "\"Hottest, 3 Number\"\r\nline\r\nx\r\n\r\nTotals\r\ntotal,count\r\n0,5\r\n");
    EXPECT_EQ(CsvOfSections({}), "");
}

TEST(ResultDocumentTest, JsonKeepsNumbersDatesAndMessages) {
    ResultDocument document;
    document.fields = {{"game", "3"}, {"operation", "date"}, {"dated", true}};
    ResultTable& table = document.AddTable("drawings", {"date", "number", "share", "note"});
    table.AddRow({IsoDate{2019, 12, 31}, "007", 0.5});
    table.AddRow({IsoDate{2020, 1, 1}, "123", std::numeric_limits<double>::infinity(), "bad \xff byte"});
    document.lines = {" 2019-12-31 007"};
    document.messages = {"First message", "Second"};

    const std::string text = JsonOf(document);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const Json json = Json::parse(text);
    EXPECT_EQ(json["game"], "3");
    EXPECT_EQ(json["dated"], true);
    ASSERT_EQ(json["drawings"].size(), 2U);
    EXPECT_EQ(json["drawings"][0]["date"], "2019-12-31");
    EXPECT_EQ(json["drawings"][0]["number"], "007");
    EXPECT_TRUE(json["drawings"][0]["share"].is_number());
    EXPECT_DOUBLE_EQ(json["drawings"][0]["share"].get<double>(), 0.5);
    EXPECT_TRUE(json["drawings"][0]["note"].is_null());
    EXPECT_TRUE(json["drawings"][1]["share"].is_null());
    EXPECT_EQ(json["drawings"][1]["note"], "bad \xef\xbf\xbd byte");
    EXPECT_EQ(json["lines"], Json({" 2019-12-31 007"}));
    EXPECT_EQ(json["messages"], Json({"First message", "Second"}));
}

TEST(ResultDocumentTest, JsonKeepsTheOrderOfFieldsAndHasMessagesWhenThereAreNone) {
    ResultDocument document;
    document.fields = {{"zeta", 1}, {"alpha", 2}};
    const std::string text = JsonOf(document);
    EXPECT_LT(text.find("zeta"), text.find("alpha"));
    EXPECT_EQ(Json::parse(text)["messages"], Json::array());
    EXPECT_FALSE(Json::parse(text).contains("lines"));
}

// A list of whole numbers is a JSON array; a table marked single is the object of its one row.
TEST(ResultDocumentTest, JsonListsAndSingleRecords) {
    ResultDocument document;
    document.AddTable("pairs", {"numbers", "count"}).AddRow({WholeNumbers{3, 17}, 25});
    ResultTable& sums = document.AddTable("sums", {"mean", "std"});
    sums.single = true;
    sums.AddRow({0.5, Cell()});
    ResultTable& empty = document.AddTable("none", {"mean"});
    empty.single = true;
    const Json json = Json::parse(JsonOf(document));
    EXPECT_EQ(json["pairs"], Json::parse(R"([{"numbers": [3, 17], "count": 25}])"));
    EXPECT_EQ(json["sums"], Json::parse(R"({"mean": 0.5, "std": null})"));
    EXPECT_EQ(json["none"], Json::array()); // no row to be the object: nothing is made up
}

TEST(ResultDocumentTest, FormatWords) {
    EXPECT_EQ(OutputFormatOfWord("text"), OutputFormat::Text);
    EXPECT_EQ(OutputFormatOfWord("csv"), OutputFormat::Csv);
    EXPECT_EQ(OutputFormatOfWord("json"), OutputFormat::Json);
    EXPECT_EQ(OutputFormatOfWord("JSON"), std::nullopt);
    EXPECT_EQ(OutputFormatOfWord(""), std::nullopt);
}

} // namespace
} // namespace vantorel
