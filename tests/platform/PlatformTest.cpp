// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"
#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/PlainDecimal.h"
#include "platform/ProfileStore.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

namespace vantorel {
namespace {

using Values = std::array<int, kGameSettingCount>;

Values ValuesOf(const GameSettings& s) {
    return {s.fiveNumberMax, s.sixNumberMax, s.powerballGroup1Max, s.powerballGroup2Max, s.powerballBalls};
}

TEST(PlainDecimal, ConvertsLikeTheDescribedConversion) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"26", 26},    {"  42", 42}, {"\t7", 7},
        {"12abc", 12}, {"", 0},      {"abc", 0},
        {"-5", 0},     {"007", 7},   {"99999999999999", INT_MAX},
        {" 5 6", 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlainDecimal(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(FirstRun, WritesTheDefaultsOnceAndShowsTheMessageOnce) {
    MemoryProfileStore store;

    const Outcome<bool> first = RunFirstTimeSetup(store);
    EXPECT_TRUE(first.value());
    EXPECT_EQ(ValuesOf(ReadGameSettings(store, GameSettingKeys::All()).value()), (Values{26, 49, 49, 42, 5}));
    EXPECT_EQ(
        first.notices(),
        (Notices{{"VanTorel comes preconfigured for the\nsample data file included with the program.\n\n"
                  "Please read the help file to learn\nmore about configuring VanTorel to\nmeet your game "
                  "specific requirements.",
                  NoticeKind::Plain}}));

    // A key deleted by hand is not a first run: it stays missing and reads as 0.
    store.Remove("Settings", "5BC");
    const Outcome<bool> second = RunFirstTimeSetup(store);
    EXPECT_FALSE(second.value());
    EXPECT_EQ(store.GetString("Settings", "5BC"), "");
    EXPECT_TRUE(second.notices().empty());
}

// A needed key that is missing, no whole number or out of range refuses the read with one message naming
// every such key; a key that is not needed never refuses and reads as 0 unless it is valid.
TEST(ReadGameSettings, ChecksTheNeededKeysAndNamesEveryBadOne) {
    using enum GameSettingKey;
    const std::string fix = "\n\nSet it on the Setup page, or with\nvantorel-cli settings ";
    const struct {
        std::array<const char*, kGameSettingCount> stored; // nullptr: missing
        GameSettingKeys needed;
        std::optional<Values> read;
        std::string message;
    } cases[] = {
        {{"26", "49", "69", "26", "5"}, GameSettingKeys::All(), {{26, 49, 69, 26, 5}}, ""},
        {{"26", "49", "99", "1", "4"}, GameSettingKeys::All(), {{26, 49, 99, 1, 4}}, ""},
        {{" 26 ", "049", "2147483647", "x", "0"}, {FiveNumberMax, SixNumberMax}, {{26, 49, 0, 0, 0}}, ""},
        {{"26", "49", "2147483647", "26", "5"},
         {PowerballGroup1Max, PowerballBalls},
         std::nullopt,
         "The setting PBC holds \"2147483647\", which is out of range.\nPBC, the highest ball of Powerball "
         "group 1, is a whole number from 19 to 99." +
             fix + "PBC=<value>\n\nOPERATION ABORTED"},
        {{nullptr, "49", "49", "42", "5"},
         {FiveNumberMax},
         std::nullopt,
         "The setting 5BC is not set.\n5BC, the highest ball of the 5 Number game, is a whole number from 19 "
         "to 61." +
             fix + "5BC=<value>\n\nOPERATION ABORTED"},
        {{"26", "49", "49", "26abc", "0"},
         {PowerballGroup2Max, PowerballBalls},
         std::nullopt,
         "The setting PBB holds \"26abc\", which is not a whole number.\nPBB, the highest ball of Powerball "
         "group 2, is a whole number from 1 to 99.\n\nThe setting PBM holds \"0\", which is out of "
         "range.\nPBM, how many balls a drawing takes from Powerball group 1, is 4 or 5.\n\nSet them on the "
         "Setup page, or with\nvantorel-cli settings PBB=<value> PBM=<value>\n\nOPERATION ABORTED"},
        {{"1234567890123456789012345678901234567890", "49", "49", "42", "5"},
         {FiveNumberMax},
         std::nullopt,
         "The setting 5BC holds \"123456789012345678901234...\", which is not a whole number.\n5BC, the "
         "highest ball of the 5 Number game, is a whole number from 19 to 61." +
             fix + "5BC=<value>\n\nOPERATION ABORTED"},
    };
    for (const auto& c : cases) {
        MemoryProfileStore store;
        for (std::size_t i = 0; i < kGameSettingCount; ++i) {
            if (c.stored[i] != nullptr) {
                store.WriteString(kSettingsSection, kGameSettingRules[i].key, c.stored[i]);
            }
        }
        RecordingMessageSink sink;
        const ScopedMessageSink installed(sink);
        const Outcome<GameSettings> read = ReadGameSettings(store, c.needed);
        EXPECT_EQ(read ? std::optional(ValuesOf(*read)) : std::nullopt, c.read) << c.message;
        EXPECT_EQ(TextsOf(read.notices()),
                  c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
    }
}

TEST(MessageBox, WithoutASinkQuestionsGetTheCautiousAnswer) {
    EXPECT_EQ(MessageBox("q", MessageIcon::Question, MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(MessageBox("q", MessageIcon::Question, MessageButtons::OkCancel), MessageAnswer::Cancel);
}

TEST(RandomGenerator, StaysInRangeRepeatsForTheSameSeedAndSeedsFromTheClockOnlyWithoutASeed) {
    RandomGenerator first(1);
    // The classic runtime generator's first values for seed 1.
    EXPECT_EQ(first.Next(), 41);
    EXPECT_EQ(first.Next(), 18467);
    EXPECT_EQ(first.Next(), 6334);

    RandomGenerator a(12345);
    RandomGenerator b(12345);
    std::set<int> seen;
    for (int i = 0; i < 100000; ++i) {
        const int value = a.Next();
        ASSERT_EQ(value, b.Next());
        ASSERT_GE(value, 0);
        ASSERT_LE(value, RandomSource::kMax);
        seen.insert(value);
    }
    EXPECT_GT(seen.size(), 30000u);
    // A planted seed wins over the clock; without one the clock seeds.
    const FixedClock clock(1000);
    EXPECT_EQ(RandomGenerator::Seeded(7, clock).Next(), RandomGenerator(7).Next());
    EXPECT_EQ(RandomGenerator::Seeded(0, clock).Next(), RandomGenerator(1000).Next());
}

TEST(SetupChoices, DefaultsAndOneChoicePerGroup) {
    SetupChoices choices;
    const std::array<std::uint8_t, kSetupChoiceCount> defaults = {0, 1, 0, 1, 0, 0, 0, 1,
                                                                  1, 0, 0, 1, 0, 1, 0};
    EXPECT_EQ(choices.flags(), defaults);

    choices.Choose(kPredictByMonth);
    choices.Choose(kBestGuessNihilistic);
    EXPECT_TRUE(choices[kPredictByMonth]);
    EXPECT_FALSE(choices[kPredictNormal]);
    EXPECT_TRUE(choices[kBestGuessNihilistic]);
    EXPECT_FALSE(choices[kBestGuessPessimistic]);
    // Other groups keep their choice.
    EXPECT_TRUE(choices[kEvenOddCountNumbers]);
    EXPECT_TRUE(choices[kSearchStraight]);
}

// Each preset knows the day its matrix began, its game and, where one is known, its results file.
TEST(GamePresets, CarryTheirErasGamesAndSources) {
    const struct {
        const char* name;
        PresetGame game;
        int eraStart;
        bool source;
    } expected[] = {
        {"powerball", PresetGame::kPowerball, 20151007, true},
        {"mega-millions", PresetGame::kPowerball, 20250408, true},
        {"lotto-america", PresetGame::kPowerball, 20171112, false},
        {"cash4life", PresetGame::kPowerball, 20140616, true},
        {"lotto-6-59", PresetGame::kSixNumber, 20010912, true},
        {"lotto-6-49", PresetGame::kSixNumber, 19820612, false},
        {"lotto-5-39", PresetGame::kFiveNumber, 19920117, true},
        {"ny-numbers-eve", PresetGame::kThreeNumber, 0, true},
        {"ny-numbers-mid", PresetGame::kThreeNumber, 0, true},
        {"ny-win4-eve", PresetGame::kFourNumber, 0, true},
        {"ny-win4-mid", PresetGame::kFourNumber, 0, true},
    };
    ASSERT_EQ(std::size(expected), kGamePresets.size());
    for (std::size_t i = 0; i < kGamePresets.size(); ++i) {
        const GamePreset& preset = kGamePresets[i];
        EXPECT_EQ(preset.name, expected[i].name);
        EXPECT_EQ(preset.game, expected[i].game) << preset.name;
        EXPECT_EQ(preset.eraStart, expected[i].eraStart) << preset.name;
        EXPECT_EQ(!preset.sourceUrl.empty(), expected[i].source) << preset.name;
        // A digit preset names the column of its drawing in the file of both games.
        EXPECT_EQ(!preset.sourceColumn.empty(), preset.game <= PresetGame::kFourNumber) << preset.name;
    }
}

// The preset a game uses is remembered when it is chosen and holds while the game's keys hold its values:
// a key of that game changed by hand (here or in the file) ends it; another game's key does not.
TEST(GamePresets, ThePresetInForceIsRememberedUntilAKeyOfItsGameChanges) {
    MemoryProfileStore store;
    ASSERT_TRUE(WriteGameSettings(store, {26, 49, 49, 42, 5}));
    EXPECT_EQ(PresetInForce(store, 4), nullptr);
    EXPECT_EQ(EraInForce(store, 4), 0);
    ASSERT_TRUE(UseGamePreset(store, *FindGamePreset("powerball")));
    ASSERT_TRUE(UseGamePreset(store, *FindGamePreset("lotto-6-59")));
    ASSERT_TRUE(UseGamePreset(store, *FindGamePreset("ny-numbers-eve")));
    EXPECT_EQ(store.GetString("presets", "powerball"), "powerball");
    EXPECT_EQ(PresetInForce(store, 4), FindGamePreset("powerball"));
    EXPECT_EQ(EraInForce(store, 4), 20151007);
    EXPECT_EQ(PresetInForce(store, 0), FindGamePreset("ny-numbers-eve"));
    EXPECT_EQ(PresetInForce(store, 1), nullptr);

    ASSERT_TRUE(WriteGameSettings(store, {std::nullopt, std::nullopt, 69, std::nullopt, 5})); // the same
    EXPECT_EQ(PresetInForce(store, 4), FindGamePreset("powerball"));
    ASSERT_TRUE(WriteGameSettings(store, {30, std::nullopt, std::nullopt, std::nullopt, std::nullopt}));
    EXPECT_EQ(PresetInForce(store, 4), FindGamePreset("powerball"));
    ASSERT_TRUE(WriteGameSettings(store, {std::nullopt, std::nullopt, std::nullopt, 25, std::nullopt}));
    EXPECT_EQ(PresetInForce(store, 4), nullptr);
    EXPECT_EQ(store.GetString("Presets", "PowerBall"), "");
    EXPECT_EQ(PresetInForce(store, 3), FindGamePreset("lotto-6-59"));

    store.WriteString("Settings", "6BC", "58"); // edited in the file
    EXPECT_EQ(PresetInForce(store, 3), nullptr);
    store.WriteString("Settings", "6BC", " 59");
    EXPECT_EQ(PresetInForce(store, 3), FindGamePreset("lotto-6-59"));
    store.WriteString("Presets", "6Number", "powerball"); // another game's preset, or none at all
    EXPECT_EQ(PresetInForce(store, 3), nullptr);
    store.WriteString("Presets", "6Number", "keno");
    EXPECT_EQ(PresetInForce(store, 3), nullptr);
}

} // namespace
} // namespace vantorel
