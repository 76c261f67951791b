// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(IniFile, ReadsEntriesAsQSettingsDoes) {
    const std::string text = "\xEF\xBB\xBF; a comment=not an entry\r\n"
                             "[settings]\r\n"
                             "5bc = 26 \r\n"
                             "zone=z\r\n"
                             "PBC=\"  49 \" ; trailing comment\r\n"
                             "quoted=\"a;b,c\\\"d\\\\e\\tf\"\r\n"
                             "escaped=\\x41\\102C\r\n"
                             "long=first \\\r\n"
                             "second\r\n"
                             "stray=\"open quote\r\n"
                             "at=@@x\r\n"
                             "wrapped=@String(y)\r\n"
                             "odd line without equals\r\n"
                             "[Settings] trailing text\r\n"
                             "PBC=51\r\n"
                             "[General]\r\n"
                             "top=1\r\n"
                             "[odd%20key]\r\n"
                             "a\\b%41=2\r\n";
    const IniFile file = IniFile::Parse(text);
    const struct {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"Settings", "5BC", "26"},
        {"Settings", "ZONE", "z"}, // names are folded from A to Z
        {"SETTINGS", "pbc", "51"}, // the later entry of a name counts
        {"Settings", "quoted", "a;b,c\"d\\e\tf"},
        {"Settings", "escaped", "ABC"},
        {"Settings", "long", "first second"},
        {"Settings", "stray", "open quote"}, // a quote left open ends with its line
        {"Settings", "at", "@x"},
        {"Settings", "wrapped", "y"},
        {"Settings", "odd line without equals", std::nullopt},
        {"Settings", "; a comment", std::nullopt},
        {"General", "top", "1"},
        {"", "TOP", "1"},
        {"odd key", "a/bA", "2"},
        {"Program", "Installed", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(file.Get(c.section, c.key), c.value) << c.section << '/' << c.key;
    }
    EXPECT_FALSE(file.HasNoEntries());
    EXPECT_TRUE(IniFile::Parse("; only a comment\n\n[Empty]\n").HasNoEntries());
    // Nothing changed: the file is written back as it was.
    EXPECT_EQ(file.Text(), text);
}

TEST(IniFile, ChangesOnlyTheLinesItSetsAndKeepsEverythingElse) {
    const struct {
        const char* before;
        std::vector<std::array<const char*, 3>> sets; // section, key, value
        const char* after;
    } cases[] = {
        {"",
         {{"Settings", "5BC", "26"}, {"Program", "Installed", "1"}},
         "[Settings]\n5BC=26\n\n[Program]\nInstalled=1\n"},
        {"; mine\n[settings]\n5bc=26 ; kept\n\n; before other\n[Other]\nx=1\n",
         {{"Settings", "5BC", "30"}, {"Settings", "PBC", "69"}},
         "; mine\n[settings]\n5bc=30 ; kept\nPBC=69\n\n; before other\n[Other]\nx=1\n"},
        {"[Settings]\r\nodd line\r\n[Settings]\r\nPBB=1",
         {{"Settings", "PBB", "26"}, {"Settings", "PBM", "5"}},
         "[Settings]\r\nodd line\r\n[Settings]\r\nPBB=26\r\nPBM=5\r\n"},
        {"[Settings]\n",
         {{"Settings", "text", " a;b=c@"}, {"Settings", "at", "@x"}, {"Settings", "odd key/x", "1"}},
         "[Settings]\ntext=\" a;b=c@\"\nat=@@x\nodd%20key\\x=1\n"},
        {"[General]\ntop=1\n", {{"", "top", "2"}, {"", "next", "3"}}, "[General]\ntop=2\nnext=3\n"},
    };
    for (const auto& c : cases) {
        IniFile file = IniFile::Parse(c.before);
        for (const auto& [section, key, value] : c.sets) {
            file.Set(section, key, value);
            EXPECT_EQ(file.Get(section, key), value) << key;
        }
        EXPECT_EQ(file.Text(), c.after) << c.before;
        EXPECT_EQ(IniFile::Parse(file.Text()).Text(), file.Text());
    }
}

TEST(IniFile, EscapesNamesAndValuesBothWays) {
    for (const std::string& key : std::vector<std::string>{"5BC", "Installed", "odd key/x", "100%",
                                                           "caf\xC3\xA9", "\xF0\x9F\x8E\xB2"}) {
        EXPECT_EQ(UnescapeIniKey(EscapeIniKey(key)), key) << key;
    }
    EXPECT_EQ(EscapeIniKey("odd key/x"), "odd%20key\\x");
    EXPECT_EQ(EscapeIniKey("caf\xC3\xA9"), "caf%E9");
    EXPECT_EQ(EscapeIniKey("\xF0\x9F\x8E\xB2"), "%UD83C%UDFB2");
    EXPECT_EQ(UnescapeIniKey("%zz%U00"), "%zz%U00");
    for (const std::string& value : std::vector<std::string>{
             "26", "", " lead", "trail ", "a;b", "x=y", "q\"uote", "back\\slash", "tab\tnew\nline", "@at",
             std::string("nul\0"
                         "1",
                         5),
             "\x01"
             "f",
             "caf\xC3\xA9"}) {
        EXPECT_EQ(UnescapeIniValue(EscapeIniValue(value)), value) << value;
    }
    EXPECT_EQ(EscapeIniValue("26"), "26");
}

} // namespace
} // namespace vantorel
