#include "store/ManualEntry.h"

#include "tests/store/StoreFixture.h"

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kBadData = "Insufficient Data or\nBad Data Entered";

struct EntryCase {
    const char* name;
    const char* sectionLine; // the history file's only line, without its line end
    const char* text;
    int gameType;
    bool dated;
    int powerballBalls;
    const char* resultLine; // nullptr: refused
    const char* message;    // the message of a refusal
};

class ManualEntry : public StoreFixture, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(ManualEntry, AddsTheDrawingOrRefusesWithItsMessage) {
    const EntryCase& c = GetParam();
    settings.powerballBalls = c.powerballBalls;
    const std::string before = std::string(c.sectionLine) + "\r\n";
    SetHistory(before);
    const int result = AppendEntry(c.text, c.gameType, c.dated, settings);
    if (c.resultLine != nullptr) {
        EXPECT_EQ(result, 1) << ::testing::PrintToString(Messages());
        EXPECT_EQ(History(), std::string(c.resultLine) + "\r\n");
        EXPECT_TRUE(Messages().empty());
    } else {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(History(), before);
        EXPECT_EQ(Messages(), Lines{c.message});
    }
    EXPECT_EQ(FilesInDirectory(), Lines{"vtrmain.dat"});
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ManualEntry,
    ::testing::Values(
        EntryCase{"DatedDigitsKeptAsTyped", "1 2 98/01/01 5 97/12/31 12", "01/02/98 007", 0, true, 5,
                  "1 3 98/01/01 5 97/12/31 12 98/01/02 007", nullptr},
        EntryCase{"CountGainsADigit", "0 9 1 2 3 4 5 6 7 8 9", "10", 0, false, 5, "0 10 1 2 3 4 5 6 7 8 9 10",
                  nullptr},
        EntryCase{"LeadingZeroFitsThreeNumber", "0 0", "0123", 0, false, 5, "0 1 0123", nullptr},
        EntryCase{"FourNumberTopValue", "2 0", "9999", 1, false, 5, "2 1 9999", nullptr},
        EntryCase{"DatedLottoSeparators", "5 0", "01/02/98 03,15,22,31,40", 2, true, 5,
                  "5 1 98/01/02 3 15 22 31 40", nullptr},
        EntryCase{"SeparatorsAreNotMerged", "4 0", "3, 15 22 31 40", 2, false, 5, "4 1 3  15 22 31 40",
                  nullptr},
        EntryCase{"ShortestUndatedLotto", "4 0", "1 2 3 4 5", 2, false, 5, "4 1 1 2 3 4 5", nullptr},
        EntryCase{"PowerballFourBalls", "8 0", "1 2 3 4 5", 4, false, 4, "8 1 1 2 3 4 5", nullptr},
        EntryCase{"PowerballFiveBallsDated", "9 0", "01/02/98 1 2 3 4 5 06", 4, true, 5,
                  "9 1 98/01/02 1 2 3 4 5 6", nullptr},
        EntryCase{"TooShortForTheWindow", "4 0", "1 2 3 4", 2, false, 5, nullptr, kBadData},
        EntryCase{"PowerballFiveBallsWindow", "8 0", "1 2 3 4 5", 4, false, 5, nullptr, kBadData},
        EntryCase{"TooManyNumbers", "4 0", "1 2 3 4 5 6", 2, false, 5, nullptr, kBadData},
        EntryCase{"NonDigitInDigitGame", "0 0", "12a3", 0, false, 5, nullptr, kBadData},
        EntryCase{"ThreeNumberAboveRange", "0 0", "1000", 0, false, 5, nullptr, kBadData},
        EntryCase{"FourNumberAboveRange", "3 0", "01/02/98 10000", 1, true, 5, nullptr, kBadData},
        EntryCase{"DatedWithoutSpace", "1 0", "01/02/98", 0, true, 5, nullptr, kBadData},
        EntryCase{"LineBreakInDate", "1 0", "01/0\n/98 123", 0, true, 5, nullptr, kBadData},
        EntryCase{"DatedWithoutDigitAfterDate", "1 0", "01/02/98 x", 0, true, 5, nullptr, kBadData},
        EntryCase{"DateOfWrongLength", "1 0", "1/2/98 123", 0, true, 5, nullptr, "Date Length Error"},
        EntryCase{"SectionAbsent", "0 1 5", "01/02/98 1234", 1, true, 5, nullptr,
                  "There is no current entry\nin the data file for\nthe APPEND operation\nthat you have "
                  "requested.\n(Please See Help)\n\nOPERATION ABORTED"},
        EntryCase{"SectionFull", "4 2599", "1 2 3 4 5", 2, false, 5, nullptr,
                  "This history is full.\nIt can hold at most 2599 drawings.\n\nOPERATION ABORTED"}),
    [](const ::testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

TEST_F(StoreFixture, AppendEntryLeavesOtherSectionsAsTheyWere) {
    SetHistory("0 1 5\r\n1 2 98/01/01 5 97/12/31 12\n3 0\r\n");
    ASSERT_EQ(AppendEntry("01/02/98 007", 0, true, settings), 1);
    EXPECT_EQ(History(), "0 1 5\r\n1 3 98/01/01 5 97/12/31 12 98/01/02 007\r\n3 0\r\n");
}

TEST_F(StoreFixture, AppendEntryNeedsAHistoryFile) {
    EXPECT_EQ(AppendEntry("123", 0, false, settings), 0);
    EXPECT_EQ(Messages(), Lines{"Unable to open VTRMAIN.DAT"});
    EXPECT_TRUE(FilesInDirectory().empty());
}

} // namespace
} // namespace vantorel::test
