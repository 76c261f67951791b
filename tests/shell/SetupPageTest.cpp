// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "platform/GamePresets.h"
#include "shell/SetupPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

// The target radios in key order.
constexpr const char* kTargets[] = {"fiveNumberGameRadio", "sixNumberGameRadio", "powerballGroup1Radio",
                                    "powerballGroup2Radio", "powerballBallsRadio"};

class SetupPageTest : public SheetTest {
protected:
    SetupPageTest() {
        UseSampleHistory();
        OpenSheet();
        sheet->SetActivePage(kSetupPage);
    }

    QListWidget* valueList() const { return Find<QListWidget>("valueList", kSetupPage); }

    // Records the list entry of `value` (19..59 numbers, 60 "4 Balls", 61 "5 Balls") for the target.
    void Record(std::string_view target, int value) {
        Click(kSetupPage, target);
        valueList()->setCurrentRow(value - 19);
        Click(kSetupPage, "recordEntryButton");
    }

    Lines StoredSettings() const {
        Lines values;
        for (const GameSettingRule& rule : kGameSettingRules) {
            values.push_back(profile.GetString("SETTINGS", rule.key));
        }
        return values;
    }

    // Presses `button` twice: answered with Cancel, which writes nothing, then with OK, which saves.
    void ExpectSavedAfterConfirmation(std::string_view button, const std::string& confirmation,
                                      const Lines& before, const Lines& after) {
        messages.Clear();
        Click(kSetupPage, button);
        EXPECT_EQ(messages.texts(), (Lines{confirmation, "The Operation Has Been Cancelled"}));
        EXPECT_EQ(StoredSettings(), before);
        messages.Clear();
        messages.ScriptAnswer(MessageAnswer::Ok);
        Click(kSetupPage, button);
        EXPECT_EQ(messages.texts(), (Lines{confirmation, "Settings Have Been Saved"}));
        EXPECT_EQ(StoredSettings(), after);
    }

    const GameSettingChanges& entered() const {
        return sheet->pageAs<SetupPage>(kSetupPage)->enteredMaximums();
    }
};

TEST_F(SetupPageTest, RecordEntryNeedsATargetAndAValueThatFitsIt) {
    ASSERT_EQ(valueList()->count(), 43);
    EXPECT_EQ(valueList()->item(0)->text().toStdString(), "19 numbers");
    EXPECT_EQ(valueList()->item(40)->text().toStdString(), "59 numbers");
    EXPECT_EQ(valueList()->item(41)->text().toStdString(), "4 Balls");
    EXPECT_EQ(valueList()->item(42)->text().toStdString(), "5 Balls");
    valueList()->setCurrentRow(11);
    Click(kSetupPage, "recordEntryButton"); // no target: nothing recorded, nothing said
    Click(kSetupPage, "fiveNumberGameRadio");
    valueList()->clearSelection();
    Click(kSetupPage, "recordEntryButton");
    Record("powerballBallsRadio", 45);
    EXPECT_EQ(entered(), GameSettingChanges{});
    Record("powerballBallsRadio", 61);
    EXPECT_EQ(entered(), (GameSettingChanges{std::nullopt, std::nullopt, std::nullopt, std::nullopt, 5}));
    EXPECT_EQ(messages.texts(),
              (Lines{"No Value Selected!", "Invalid Selection for Powerball Max.\nPlease select 4 "
                                           "balls or 5 balls.\n\n[Settings at the bottom of the "
                                           "list]"}));
}

// "Current Settings" shows the texts as stored. Only the recorded maximums are written; the others keep
// what the store holds, and the confirmation shows the values the keys will hold.
TEST_F(SetupPageTest, SaveEntriesWritesTheRecordedMaximumsOnlyAfterConfirmation) {
    profile.Remove(kSettingsSection, kKeyPBB);
    Click(kSetupPage, "currentSettingsButton"); // the texts as stored
    EXPECT_EQ(messages.entries().at(0).icon, MessageIcon::Information);
    EXPECT_EQ(messages.texts(),
              Lines{"5 Number Game is set to 26 numbers.\n6 Number Game is set to 49 numbers.\nPowerball "
                    "Group One is 49 "
                    "numbers.\nPowerball Group Two is  numbers.\n5 balls are drawn from Powerball Group 1."});
    Record("fiveNumberGameRadio", 30);
    Record("fiveNumberGameRadio", 36); // a later entry for the same target replaces the earlier one
    Record("powerballBallsRadio", 60);
    const std::string confirmation =
        "   Save Settings:\n5 Number Game:  36\n6 Number Game:  49\nPowerball Grp 1:   "
        "49\nPowerball Grp 2:   \nPowerball Max  :   4 ?";
    ExpectSavedAfterConfirmation("saveEntriesButton", confirmation, {"26", "49", "49", "", "5"},
                                 {"36", "49", "49", "", "4"});
    EXPECT_EQ(messages.entries()[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.entries()[0].buttons, MessageButtons::OkCancel);

    // Leaving the page forgets the entries.
    messages.Clear();
    sheet->SetActivePage(kThreeNumberPage);
    Click(kSetupPage, "saveEntriesButton");
    EXPECT_EQ(messages.texts(), Lines{"No New Game Maximums Entered!"});
}

// Beyond the list: a typed value, shown with the chosen target's range and refused outside it with the
// target's message, as typed (150 stays 150); the list entry and the typed value exclude each other.
TEST_F(SetupPageTest, OtherValueTakesTheRangeOfTheChosenTarget) {
    auto* other = Find<QLineEdit>("otherValueEdit", kSetupPage);
    ASSERT_NE(other, nullptr);
    const QLabel* label = nullptr;
    for (const QLabel* each : sheet->page(kSetupPage)->findChildren<QLabel*>()) {
        label = each->buddy() == other ? each : label;
    }
    ASSERT_NE(label, nullptr);
    const struct {
        std::size_t target; // in kTargets
        const char* typed;
        std::optional<int> recorded;
        std::string_view message; // none when empty
        std::string_view range;
    } cases[] = {
        {2, "99", 99, "", "19 to 99"},
        {3, "1", 1, "", "1 to 99"},
        {4, "4", 4, "", "4 to 5"},
        {2, "18", std::nullopt, "PBC must be a whole number from 19 to 99.", "19 to 99"},
        {0, "150", std::nullopt, "5BC must be a whole number from 19 to 61.", "19 to 61"},
        {3, "0", std::nullopt, "PBB must be a whole number from 1 to 99.", "1 to 99"},
        {4, "150", std::nullopt, kInvalidPowerballBalls, "4 to 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(kTargets[c.target]) + ' ' + c.typed);
        sheet->SetActivePage(kThreeNumberPage);
        sheet->SetActivePage(kSetupPage);
        messages.Clear();
        Click(kSetupPage, kTargets[c.target]);
        EXPECT_EQ(other->placeholderText().toStdString(), c.range);
        EXPECT_EQ(label->text().toStdString(), "&Other value (" + std::string(c.range) + "):");
        valueList()->setCurrentRow(3);
        Type(kSetupPage, "otherValueEdit", c.typed);
        EXPECT_EQ(other->text().toStdString(), c.typed);
        EXPECT_TRUE(valueList()->selectedItems().isEmpty());
        Click(kSetupPage, "recordEntryButton");
        EXPECT_EQ(entered()[c.target], c.recorded);
        EXPECT_EQ(messages.texts(), c.message.empty() ? Lines{} : Lines{std::string(c.message)});
    }
    // Only digits are taken.
    Type(kSetupPage, "otherValueEdit", "-4x2");
    EXPECT_EQ(other->text().toStdString(), "42");
    // Choosing a list entry again clears the typed value: the entry is recorded.
    Record("powerballGroup2Radio", 40);
    EXPECT_TRUE(other->text().isEmpty());
    EXPECT_EQ(entered()[3], 40);
}

// A preset is one step with the usual confirmation; it changes only the keys of its game.
TEST_F(SetupPageTest, UsePresetSavesItsGamesMaximumsAfterConfirmation) {
    auto* presets = Find<QComboBox>("presetCombo", kSetupPage);
    ASSERT_NE(presets, nullptr);
    ASSERT_EQ(presets->count(), static_cast<int>(kGamePresets.size()));
    EXPECT_EQ(presets->itemText(1).toStdString(), "Mega Millions (5 of 70 + 1 of 24)");
    presets->setCurrentIndex(0);
    const std::string confirmation = "   Save Settings:\n5 Number Game:  26\n6 Number Game:  49\n"
                                     "Powerball Grp 1:   69\nPowerball Grp 2:   26\nPowerball Max  :   5 ?";
    ExpectSavedAfterConfirmation("usePresetButton", confirmation, {"26", "49", "49", "42", "5"},
                                 {"26", "49", "69", "26", "5"});
    EXPECT_EQ(PresetInForce(profile, 4), &kGamePresets[0]); // remembered as the Power Ball game's
}

TEST_F(SetupPageTest, ChoicesShowTheDefaultsAndStayOneHotPerGroup) {
    for (const char* name : {"evenOddCountNumbersRadio", "highLowCountNumbersRadio", "normalRadio",
                             "useBallsRadio", "straightNumberRadio", "pessimisticRadio"}) {
        EXPECT_TRUE(IsChecked(kSetupPage, name)) << name;
    }
    Click(kSetupPage, "evenOddCountBallsRadio");
    Click(kSetupPage, "monthRadio");
    EXPECT_TRUE(IsChecked(kSetupPage, "highLowCountNumbersRadio"));
    EXPECT_FALSE(IsChecked(kSetupPage, "normalRadio"));
    SetupChoices expected;
    expected.Choose(kEvenOddCountBalls);
    expected.Choose(kPredictByMonth);
    EXPECT_EQ(handOver.setupChoices, expected);
    EXPECT_EQ(handOver.setupChoicesSaved, expected);
}

TEST_F(SetupPageTest, DateRestrictionsAreDisabledWhileTheGamePageUsesUndatedData) {
    Click(kThreeNumberPage, "undatedCheck");
    sheet->SetActivePage(kSetupPage);
    for (const char* name : {"dayRadio", "monthRadio", "dateRangeRadio"}) {
        EXPECT_FALSE(IsEnabled(kSetupPage, name)) << name;
    }
    EXPECT_TRUE(IsEnabled(kSetupPage, "normalRadio"));
    Click(kThreeNumberPage, "datedCheck");
    sheet->SetActivePage(kSetupPage);
    EXPECT_TRUE(IsEnabled(kSetupPage, "dayRadio"));
}

TEST_F(SheetTest, SetupChoicesSurviveClosingTheSheetUntilTheProgramRestarts) {
    UseSampleHistory();
    const auto radio = [](OperationsSheet& running, const char* name) {
        return running.page(kSetupPage)->findChild<QAbstractButton*>(QString::fromLatin1(name));
    };
    ChartView view(handOver, results, services);
    RunSheetFromView(view, [&radio](OperationsSheet& running) {
        running.SetActivePage(kSetupPage);
        ClickButton(radio(running, "optimisticRadio"));
    });
    RunSheetFromView(view, [this, &radio](OperationsSheet& running) {
        // The game page the sheet opens on has restored the saved choices for the engines.
        EXPECT_TRUE(handOver.setupChoices[kBestGuessOptimistic]);
        running.SetActivePage(kSetupPage);
        EXPECT_TRUE(radio(running, "optimisticRadio")->isChecked());
    });

    HandOver restarted; // a new program run starts from the defaults
    SheetResults restartedResults;
    ChartView afterRestart(restarted, restartedResults, services);
    RunSheetFromView(afterRestart, [&restarted, &radio](OperationsSheet& running) {
        EXPECT_TRUE(restarted.setupChoices[kBestGuessPessimistic]);
        EXPECT_TRUE(radio(running, "pessimisticRadio")->isChecked());
    });
}

} // namespace
} // namespace vantorel::test
