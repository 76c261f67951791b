#include "store/HistoryAnalysis.h"

#include "tests/store/StoreFixture.h"

#include <array>
#include <map>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kFree = " was found and appears to be free of errors.";
const std::string kErrors = " was found and appears to have the following ERRORS:";
const std::string kBad = " *** ONE OR MORE BAD CHARACTERS WERE FOUND IN THE DATA";
const std::string kRange = " *** ONE OR MORE OUT OF RANGE NUMBERS WERE FOUND IN THE DATA";
const std::string kCount = " *** THE NUMBER OF DRAWS DOES NOT AGREE WITH THE ACTUAL COUNT";
const std::string kDate = " *** ONE OR MORE OF THE DATES HAS AN ERROR";

// Every section from 0 to 9 with no drawing, except those given.
std::string AllSectionsWith(const std::map<int, std::string>& lines) {
    std::string history;
    for (int section = 0; section < kSectionCount; ++section) {
        const auto found = lines.find(section);
        history += (found != lines.end() ? found->second : std::to_string(section) + " 0") + "\r\n";
    }
    return history;
}

class HistoryAnalysisTest : public StoreFixture {
protected:
    Lines Report() {
        CheckTable table;
        AnalyseHistoryFile(table, settings);
        return ShowAnalysisReport(table);
    }
};

TEST_F(HistoryAnalysisTest, WorkedExampleIsFreeOfErrorsAndAbsentSectionsAddNoLine) {
    settings.fiveNumberMax = 40;
    SetHistory("1 3 98/01/02 123 98/01/03 7 98/01/05 45\r\n4 2 3 15 22 31 40 1 9 17 28 36\r\n"
               "9 1 98/01/07 5 12 23 34 41 17\r\n");
    EXPECT_EQ(Report(), (Lines{" 3 Number Dated game data" + kFree, " 5 Number Undated game data" + kFree,
                               " Powerball Dated game data" + kFree}));
}

TEST_F(HistoryAnalysisTest, EachKindOfErrorHasItsLine) {
    struct Case {
        int section;
        std::string line;
        Lines errors; // empty: free of errors
    };
    const std::vector<Case> cases = {
        {4, "4 3 1 2 3 4 5 6 7 8 9 10", {kCount}},
        {4, "4 2 1 2 3 4 5 6 7 8 9 10 11", {kCount}},
        {5, "5 1 98/02/30 1 2 3 4 5", {kDate}},
        {5, "5 2 98/02/29 1 2 3 4 5 98/13/01 1 2 3 4 5", {kDate}},
        {0, "0 2 12,34", {kBad, kCount}},
        {0, "0 2 1000 999", {kRange}},
        {2, "2 1 10000", {kRange}},
        {4, "4 1 1 2 3 4 27", {kRange}},
        {6, "6 1 1 2 3 4 5 50", {kRange}},
        {8, "8 1 1 2 3 4 49 43", {kRange}},
        {9, "9 1 98/01/07 1 2 3 4 50 17", {kRange}},
        {9, "9 1 98/01/07 1 2 3 4 5", {kCount}},
        {3, "3 2 98/01/02 1234 98/01/03", {kCount}},
        {1, "1\t1 98/01/02 123", {kBad}},
        {7, "7 0", {}},
        {8, "8 1 1 2 3 4 49 42", {}},
    };
    const std::array<std::string, 10> names = {" 3 Number Undated game data",  " 3 Number Dated game data",
                                               " 4 Number Undated game data",  " 4 Number Dated game data",
                                               " 5 Number Undated game data",  " 5 Number Dated game data",
                                               " 6 Number Undated game data",  " 6 Number Dated game data",
                                               " Powerball Undated game data", " Powerball Dated game data"};
    for (const Case& c : cases) {
        SetHistory(AllSectionsWith({{c.section, c.line}}));
        Lines expected;
        for (int section = 0; section < kSectionCount; ++section) {
            if (section != c.section || c.errors.empty()) {
                expected.push_back(names[static_cast<std::size_t>(section)] + kFree);
                continue;
            }
            expected.push_back(names[static_cast<std::size_t>(section)] + kErrors);
            expected.insert(expected.end(), c.errors.begin(), c.errors.end());
        }
        EXPECT_EQ(Report(), expected) << c.line;
    }
}

TEST_F(HistoryAnalysisTest, IllegalHeadMarkersAndBlankLines) {
    SetHistory("12 1 5\r\n\r\nx 1 5\r\n0 0\r\n");
    const Lines report = Report();
    ASSERT_GE(report.size(), 3u);
    EXPECT_EQ(report[0], " *** AN ILLEGAL ENTRY HEAD MARKER NUMBERED 12 WAS ENCOUNTERED");
    EXPECT_EQ(report[1], " *** AN ILLEGAL ENTRY HEAD MARKER NUMBERED 72 WAS ENCOUNTERED");
    EXPECT_EQ(report[2], " 3 Number Undated game data" + kFree);
}

TEST_F(HistoryAnalysisTest, MoreThanTenLinesAreAllReported) {
    SetHistory(AllSectionsWith({}) + "9 1 98/01/07 1 2 3 4 5 6\r\n");
    const Lines report = Report();
    ASSERT_EQ(report.size(), 11u);
    EXPECT_EQ(report[10], " Powerball Dated game data" + kFree);
}

TEST_F(HistoryAnalysisTest, FullUndatedLottoSectionIsNotTooMuchData) {
    std::string line = "4 2599";
    for (int i = 0; i < 2599 * 5; ++i) {
        line += " 7";
    }
    SetHistory(AllSectionsWith({{4, line}}));
    EXPECT_EQ(Report()[4], " 5 Number Undated game data" + kFree);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(HistoryAnalysisTest, TooMuchDataEndsTheAnalysis) {
    std::string line = "0 3701";
    for (int i = 0; i < 3701; ++i) {
        line += " 7";
    }
    SetHistory("0 1 5\r\n" + line + "\r\n1 0\r\n");
    CheckTable table;
    AnalyseHistoryFile(table, settings);
    EXPECT_EQ(Messages(),
              Lines{"          There has been an Error.\n    Either your data file contains too\nmuch data "
                    "or Vantorel has fallen over.\n\n      Operation Has Been Aborted"});
    EXPECT_FALSE(table.wholeFile);
    EXPECT_EQ(ShowAnalysisReport(table)[0], " 3 Number Undated game data" + kFree);
}

TEST_F(HistoryAnalysisTest, MissingFileGivesItsMessageAndAnEmptyReport) {
    EXPECT_TRUE(Report().empty());
    EXPECT_EQ(Messages(),
              Lines{"Can't open VTRMAIN.DAT !\n\n The file does not exist or\nis locked by another "
                    "application."});
}

TEST_F(HistoryAnalysisTest, SampleHistoryIsFreeOfErrors) {
    SetHistory(ReadFile(TestDataPath("shared/sample-vtrmain.dat")));
    const Lines report = Report();
    ASSERT_EQ(report.size(), 10u);
    for (const std::string& line : report) {
        EXPECT_NE(line.find(kFree), std::string::npos) << line;
    }
}

} // namespace
} // namespace vantorel::test
