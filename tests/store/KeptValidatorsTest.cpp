// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/KeptValidators.h"
#include "tests/support/FaultInjectingFileSystem.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace vantorel::test {
namespace {

const ValidatorSource kPowerball{9, "https://data.ny.gov/api/views/d6yy-54nr/rows.csv?accessType=DOWNLOAD",
                                 ""};
const ValidatorSource kNumbers{1, "https://data.ny.gov/api/views/hsys-3def/rows.csv", "Evening Daily #"};
const HttpValidators kTagAndTime{"W/\"1a2b\"", "Tue, 07 Oct 2025 10:00:00 GMT"};

TEST(KeptValidatorsTest, EntriesSurviveTheirFileAndAnswerOnlyTheirSourceAndSectionState) {
    KeptValidatorTable table;
    table.Keep(kPowerball, kTagAndTime, "mark-a");
    table.Keep(kNumbers, {"\"n\"", ""}, "mark-b");
    const std::string text = table.Text();
    EXPECT_EQ(
        text,
        "Vantorel fetch validators 1\r\n"
        "9\thttps://data.ny.gov/api/views/d6yy-54nr/rows.csv?accessType=DOWNLOAD\t\tmark-a\tW/\"1a2b\"\t"
        "Tue, 07 Oct 2025 10:00:00 GMT\r\n"
        "1\thttps://data.ny.gov/api/views/hsys-3def/rows.csv\tEvening Daily #\tmark-b\t\"n\"\t\r\n");

    const KeptValidatorTable read = KeptValidatorTable::Parse(text);
    EXPECT_EQ(read.Find(kPowerball, "mark-a"), kTagAndTime);
    EXPECT_EQ(read.Find(kNumbers, "mark-b"), (HttpValidators{"\"n\"", ""}));
    EXPECT_EQ(read.Find(kPowerball, "mark-b"), std::nullopt); // the history changed since
    ValidatorSource otherColumn = kNumbers;
    otherColumn.column = "Midday Daily #";
    EXPECT_EQ(read.Find(otherColumn, "mark-b"), std::nullopt);
    ValidatorSource otherSection = kPowerball;
    otherSection.section = 7;
    EXPECT_EQ(read.Find(otherSection, "mark-a"), std::nullopt);
}

TEST(KeptValidatorsTest, WhatALineCannotHoldIsNotKeptAndForgetsTheOldEntry) {
    struct Case {
        const char* name;
        ValidatorSource source;
        HttpValidators validators;
    };
    const Case cases[] = {
        {"no validators", kPowerball, {}},
        {"tab in the column", {9, kPowerball.url, "Winning\tNumbers"}, kTagAndTime},
        {"line end in the tag", kPowerball, {"\"a\"\r\n9\tx\t\tm\t\"b\"", ""}},
        {"control character in the time", kPowerball, {"", "Tue\x01"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KeptValidatorTable table;
        table.Keep(c.source, kTagAndTime, "m");
        table.Keep(c.source, c.validators, "m");
        EXPECT_EQ(table.Find(c.source, "m"), std::nullopt);
        EXPECT_EQ(KeptValidatorTable::Parse(table.Text()).size(), 0u);
    }
}

TEST(KeptValidatorsTest, HandEditedFilesKeepOnlyTheirWholeEntries) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t entries;
    };
    const std::string entry = "9\thttp://a/\t\tm\t\"t\"\t\n";
    const Case cases[] = {
        {"other heading", "Some other file\n" + entry, 0},
        {"line feeds only", std::string(kKeptValidatorsHeading) + "\n" + entry + entry, 1},
        {"bare carriage returns", std::string(kKeptValidatorsHeading) + "\r" + "9\thttp://a/\t\tm\t\"t\"\t\r",
         1},
        {"damaged lines passed over",
         std::string(kKeptValidatorsHeading) +
             "\r\n9\thttp://a/\n-1\thttp://b/\t\tm\tt\t\nx\thttp://c/\t\tm\tt\t\n"
             "9\t\t\tm\tt\t\n9\thttp://d/\t\tm\tt\t\textra\n" +
             entry,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KeptValidatorTable::Parse(c.text).size(), c.entries);
    }
}

TEST(KeptValidatorsTest, TheOldestEntriesMakeRoom) {
    KeptValidatorTable table;
    for (int number = 0; number < 70; ++number) {
        table.Keep({9, "http://host/" + std::to_string(number), ""}, {"\"t\"", ""}, "m");
    }
    EXPECT_EQ(table.size(), kMostKeptValidators);
    EXPECT_EQ(table.Find({9, "http://host/5", ""}, "m"), std::nullopt);
    EXPECT_TRUE(table.Find({9, "http://host/6", ""}, "m").has_value());
    EXPECT_TRUE(table.Find({9, "http://host/69", ""}, "m").has_value());
}

TEST(KeptValidatorsTest, TheSectionMarkFollowsOnlyItsOwnSection) {
    const std::string history = "1 2 98/01/01 5 98/01/02 7\r\n9 1 98/01/03 1 2 3 4 5 6\r\n";
    const std::string otherSectionChanged = "1 1 98/01/01 5\r\n9 1 98/01/03 1 2 3 4 5 6\r\n";
    const std::string ownSectionChanged = "1 2 98/01/01 5 98/01/02 7\r\n9 1 98/01/03 1 2 3 4 5 7\r\n";
    const std::string mark = HistorySectionMark(history, 9);
    EXPECT_EQ(mark.size(), 16u);
    EXPECT_EQ(HistorySectionMark(otherSectionChanged, 9), mark);
    EXPECT_NE(HistorySectionMark(ownSectionChanged, 9), mark);
    EXPECT_EQ(HistorySectionMark(history, 7), "none");
}

TEST(KeptValidatorsTest, TheFileBesideTheHistoryIsReplacedInOneStepOrNotAtAll) {
    const TempWorkingDir directory;
    FileSystem& files = RealFileSystem();
    EXPECT_EQ(KeepValidators(files, {}, kPowerball, kTagAndTime, "m"), FileFault::kNone);
    EXPECT_EQ(ReadKeptValidators(files, {}, kPowerball, "m"), kTagAndTime);
    EXPECT_EQ(ReadKeptValidators(files, {}, kPowerball, "changed"), HttpValidators{});
    EXPECT_EQ(KeepValidators(files, {}, kNumbers, {"\"n\"", ""}, "m"), FileFault::kNone);
    EXPECT_EQ(ReadKeptValidators(files, directory.path(), kPowerball, "m"), kTagAndTime);
    EXPECT_FALSE(WorkFilesLeftIn("."));
    const std::string before = ReadFile(std::string(kKeptValidatorsFileName));

    const FileOperation steps[] = {
        FileOperation::kLock,  FileOperation::kOpenForReading, FileOperation::kCreate, FileOperation::kWrite,
        FileOperation::kFlush, FileOperation::kClose,          FileOperation::kRename};
    for (const FileOperation step : steps) {
        SCOPED_TRACE(static_cast<int>(step));
        FaultInjectingFileSystem failing(files);
        failing.FailOperation(step, 0, FileFault::kNoSpace);
        EXPECT_NE(KeepValidators(failing, {}, kPowerball, {"\"new\"", ""}, "m"), FileFault::kNone);
        EXPECT_EQ(ReadFile(std::string(kKeptValidatorsFileName)), before);
        EXPECT_FALSE(WorkFilesLeftIn("."));
    }

    FaultInjectingFileSystem counting(files);
    EXPECT_EQ(KeepValidators(counting, {}, kPowerball, kTagAndTime, "m"), FileFault::kNone);
    EXPECT_EQ(counting.Count(FileOperation::kCreate), 0); // nothing new: nothing written
}

} // namespace
} // namespace vantorel::test
