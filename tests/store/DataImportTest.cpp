#include "store/DataImport.h"

#include "tests/store/StoreFixture.h"

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

class DataImportTest : public StoreFixture {
protected:
    int New(std::string_view text, int gameType, bool dated, bool filter = false) {
        WriteFile("import.txt", text);
        return ImportNew("import.txt", gameType, dated, {}, filter, settings);
    }
    int Append(std::string_view text, int gameType, bool dated, bool filter = false) {
        WriteFile("import.txt", text);
        return ImportAppend("import.txt", gameType, dated, {}, filter, settings);
    }
};

struct MassageCase {
    const char* name;
    int gameType;
    bool dated;
    bool filter;
    int powerballBalls;
    const char* importText;
    const char* sectionLine;
};

class MassageLines : public DataImportTest, public ::testing::WithParamInterface<MassageCase> {};

TEST_P(MassageLines, NewImportIntoEmptyDirectoryWritesTheSectionLine) {
    const MassageCase& c = GetParam();
    settings.powerballBalls = c.powerballBalls;
    ASSERT_EQ(New(c.importText, c.gameType, c.dated, c.filter), 1) << ::testing::PrintToString(Messages());
    EXPECT_EQ(History(), std::string(c.sectionLine) + "\r\n");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(FilesInDirectory(), (Lines{"import.txt", "vtrmain.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    Imports, MassageLines,
    ::testing::Values(
        MassageCase{"LottoSeparators", 2, false, false, 5, "3,15,22,31,40 1-9-17-28-36",
                    "4 2 3 15 22 31 40 1 9 17 28 36"},
        MassageCase{"DatedThreeNumber", 0, true, false, 5, "01/02/98 123\n01/03/98 007\n",
                    "1 2 98/01/02 123 98/01/03 7"},
        MassageCase{"FourNumberCutToFourDigits", 1, false, false, 5, "12345 0000 0012 0123 0001",
                    "2 5 1234 0 12 123 1"},
        MassageCase{"ThreeNumberCutThenNormalised", 0, false, false, 5, "0456 000 045 5", "0 4 45 0 45 5"},
        MassageCase{"DatedDigitNumbersAreNotCut", 0, true, false, 5, "01/02/98 1234 01/03/98 0070",
                    "1 2 98/01/02 1234 98/01/03 7"},
        MassageCase{"LottoKeepsOnlySecondCharacterAfterZero", 2, false, false, 5, "012 05 0 7 9",
                    "4 1 1 5 0 7 9"},
        MassageCase{"LottoTokensBeyondWholeDrawingsDropped", 2, false, false, 5, "1 2 3 4 5 6 7 8 9 10 11 12",
                    "4 2 1 2 3 4 5 6 7 8 9 10"},
        MassageCase{"DatedDigitLoneLastDateIgnored", 1, true, false, 5, "01/02/98 1234 01/03/98",
                    "3 1 98/01/02 1234"},
        MassageCase{"PowerballFourBalls", 4, true, false, 4, "11/01/97 01 02 03 04 05",
                    "9 1 97/11/01 1 2 3 4 5"},
        MassageCase{"PowerballFiveBalls", 4, false, false, 5, "1 2 3 4 5 6 7 8 9 10 11 12",
                    "8 2 1 2 3 4 5 6 7 8 9 10 11 12"},
        MassageCase{"FilterDropsLineRemainders", 2, true, true, 5,
                    "Date Numbers\n01/02/98 1 2 3 4 5 $1,000,000\n\n01/03/98 6 7 8 9 10 (12 winners)\n",
                    "5 2 98/01/02 1 2 3 4 5 98/01/03 6 7 8 9 10"},
        MassageCase{"FilterTakesFirstNumberOfDigitLine", 0, false, true, 5, "123 paid 500\r\n456\r\n",
                    "0 2 123 456"},
        MassageCase{"FilterSkipsShortLines", 3, false, true, 5, "1 2 3\n1 2 3 4 5 6 7\n", "6 1 1 2 3 4 5 6"}),
    [](const ::testing::TestParamInfo<MassageCase>& info) { return std::string(info.param.name); });

TEST_F(DataImportTest, FailuresShowTheirMessagesAndLeaveNoFiles) {
    struct Case {
        const char* importText; // nullptr: no import file
        int gameType;
        bool dated;
        bool append;
        Lines messages;
    };
    const std::vector<Case> cases = {
        {nullptr, 0, false, false, {"Unable to open import.txt", "Failure in Data Massage"}},
        {nullptr, 0, false, true, {"Unable to open import.txt", "Failure in data massage !"}},
        {"no digits here", 2, false, false, {"File is Empty !", "Failure in Data Massage"}},
        {"1 2 3 4", 2, false, false, {"File is Empty !", "Failure in Data Massage"}},
        {"1/2/98 123", 0, true, false, {"Date Length Error", "Error in Date String\nOperation Aborted"}},
        {"1/2/98 123", 0, true, true, {"Date Length Error", "Error in Date String\nOperation Aborted"}},
        {"123",
         5,
         false,
         false,
         {"Illegal gameType parameter in MassageNewData()", "Failure in Data Massage"}},
    };
    for (const Case& c : cases) {
        SetHistory("1 1 98/01/01 5\r\n");
        std::filesystem::remove("import.txt");
        if (c.importText != nullptr) {
            WriteFile("import.txt", c.importText);
        }
        messages.Clear();
        const int result = c.append ? ImportAppend("import.txt", c.gameType, c.dated, {}, false, settings)
                                    : ImportNew("import.txt", c.gameType, c.dated, {}, false, settings);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(Messages(), c.messages) << (c.importText ? c.importText : "(missing)");
        EXPECT_EQ(History(), "1 1 98/01/01 5\r\n");
        EXPECT_FALSE(std::filesystem::exists("~.~"));
        EXPECT_FALSE(std::filesystem::exists("~tmp.~"));
    }
}

TEST_F(DataImportTest, MassageNewDataLeavesTheLineInItsWorkFile) {
    WriteFile("import.txt", "01/02/98 1 2 3 4 5");
    EXPECT_EQ(MassageNewData("import.txt", 2, true, {}, false, settings), kMassaged);
    EXPECT_EQ(ReadFile("~.~"), "5 1 98/01/02 1 2 3 4 5\r\n");
    WriteFile("import.txt", "01/02/98 1 2 3 4 5 1/3/98 1 2 3 4 5");
    EXPECT_EQ(MassageNewData("import.txt", 2, true, {}, false, settings), kMassageDateError);
}

TEST_F(DataImportTest, NewSectionGoesBeforeTheOldLineOfItsSection) {
    SetHistory("1 1 98/01/01 5\r\n5 0\r\n9 0\r\n");
    ASSERT_EQ(New("01/02/98 1 2 3 4 5", 2, true), 1);
    EXPECT_EQ(History(), "1 1 98/01/01 5\r\n5 1 98/01/02 1 2 3 4 5\r\n5 0\r\n9 0\r\n");
    ASSERT_EQ(New("1 2 3 4 5 6", 4, false), 1);
    EXPECT_EQ(History(), "1 1 98/01/01 5\r\n5 1 98/01/02 1 2 3 4 5\r\n5 0\r\n8 1 1 2 3 4 5 6\r\n9 0\r\n");
}

TEST_F(DataImportTest, CopiedLinesKeepTheirTextAndALastLineGetsALineEnd) {
    SetHistory("0 1 5\n\n1 1 98/01/01 5");
    ASSERT_EQ(New("1 2 3 4 5", 2, false), 1);
    EXPECT_EQ(History(), "0 1 5\n\n1 1 98/01/01 5\r\n4 1 1 2 3 4 5\r\n");
}

TEST_F(DataImportTest, AppendAddsDrawingsAfterTheOldOnes) {
    SetHistory("0 3 1 2 3\r\n2 8 1 2 3 4 5 6 7 8\r\n3 0\r\n");
    ASSERT_EQ(Append("9 10 11", 1, false), 1);
    EXPECT_EQ(History(), "0 3 1 2 3\r\n2 11 1 2 3 4 5 6 7 8 9 10 11\r\n3 0\r\n");
    ASSERT_EQ(Append("01/02/98 7", 1, true), 1);
    EXPECT_EQ(History(), "0 3 1 2 3\r\n2 11 1 2 3 4 5 6 7 8 9 10 11\r\n3 1 98/01/02 7\r\n");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DataImportTest, AppendWithoutTheSectionIsRefused) {
    const std::string history = "0 1 5\r\n1 1 98/01/01 5\r\n";
    for (const int gameType : {1, 0}) {
        SetHistory(gameType == 0 ? std::string("1 1 98/01/01 5\r\n") : history);
        messages.Clear();
        EXPECT_EQ(Append("123", gameType, false), 0);
        EXPECT_EQ(Messages(),
                  Lines{"There is no current entry\nin the data file for\nthe APPEND operation\nthat "
                        "you have requested.\n(Please See Help)\n\nOPERATION ABORTED"});
        EXPECT_EQ(FilesInDirectory(), (Lines{"import.txt", "vtrmain.dat"}));
    }
    std::filesystem::remove("vtrmain.dat");
    messages.Clear();
    EXPECT_EQ(Append("123", 0, false), 0);
    EXPECT_EQ(Messages(), Lines{"Unable to open VTRMAIN.DAT"});
}

TEST_F(DataImportTest, ImportsThatPassTheCapacityAreRefused) {
    std::string threeNumbers;
    for (int i = 0; i < 3650; ++i) {
        threeNumbers += "7\n";
    }
    EXPECT_EQ(New(threeNumbers, 0, false), 0);
    EXPECT_EQ(Messages(),
              (Lines{"This history is full.\nIt can hold at most 3649 drawings.\n\nOPERATION ABORTED"}));
    EXPECT_FALSE(std::filesystem::exists("vtrmain.dat"));

    SetHistory("6 1038 x\r\n");
    messages.Clear();
    EXPECT_EQ(Append("1 2 3 4 5 6 1 2 3 4 5 6", 3, false), 0);
    EXPECT_EQ(Messages(),
              (Lines{"This history is full.\nIt can hold at most 1039 drawings.\n\nOPERATION ABORTED"}));
    EXPECT_EQ(History(), "6 1038 x\r\n");
    EXPECT_EQ(Append("1 2 3 4 5 6", 3, false), 1);
    EXPECT_EQ(History(), "6 1039 x 1 2 3 4 5 6\r\n");
}

TEST_F(DataImportTest, ProgressLightBlinksEveryTwentyFiveDrawingsOrNumbers) {
    int blinks = 0;
    const ProgressLight light = [&blinks] {
        ++blinks;
    };
    std::string digits;
    for (int i = 0; i < 60; ++i) {
        digits += "01/02/98 123\n";
    }
    WriteFile("import.txt", digits);
    ASSERT_EQ(ImportNew("import.txt", 0, true, light, false, settings), 1);
    EXPECT_EQ(blinks, 3); // 0, 25, 50
    blinks = 0;
    WriteFile("import.txt",
              "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30");
    ASSERT_EQ(ImportNew("import.txt", 2, false, light, false, settings), 1);
    EXPECT_EQ(blinks, 2); // numbers 0 and 25
}

TEST_F(DataImportTest, ExistingSectionLinesCountsEveryLineOfTheSection) {
    EXPECT_EQ(ExistingSectionLines(5), 0);
    SetHistory("1 0\r\n5 0\r\n5 1 98/01/02 1 2 3 4 5\r\n9 0\r\n");
    EXPECT_EQ(ExistingSectionLines(5), 2);
    EXPECT_EQ(ExistingSectionLines(0), 0);
}

// Importing the sample files in section order into an empty directory gives the shipped sample history.
TEST_F(DataImportTest, SampleFilesRebuildTheSampleHistoryByteForByte) {
    const std::vector<std::pair<const char*, bool>> files = {
        {"3number", false},   {"3number", true},  {"4number", false}, {"4number", true},
        {"5number", false},   {"5number", true},  {"6number", false}, {"6number", true},
        {"powerball", false}, {"powerball", true}};
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto& [game, dated] = files[i];
        const std::string name =
            std::string("shared/sample-") + game + (dated ? "-dated.txt" : "-undated.txt");
        ASSERT_EQ(ImportNew(TestDataPath(name), static_cast<int>(i / 2), dated, {}, false, settings), 1)
            << name;
    }
    EXPECT_EQ(History(), ReadFile(TestDataPath("shared/sample-vtrmain.dat")));
    EXPECT_TRUE(Messages().empty());
}

} // namespace
} // namespace vantorel::test
