// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "shell/pages/PatternDialog.h"

namespace vantorel::test {
namespace {

class PatternDialogTest : public SheetTest {
protected:
    PatternDialogTest() { dialog.show(); }

    QAbstractButton* Button(const char* name) const {
        return dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
    void TypePattern(const char* text) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("patternEdit")),
                         QString::fromLatin1(text));
    }

    PatternDialog dialog;
};

TEST_F(PatternDialogTest, OpensOnThreeNumberStrictOrderAndSearchesWhatWasChosen) {
    EXPECT_EQ(Button("threeNumberRadio")->text().toStdString(), "3  Number");
    EXPECT_TRUE(Button("threeNumberRadio")->isChecked());
    EXPECT_TRUE(Button("strictOrderRadio")->isChecked());

    ClickButton(Button("searchButton"));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"No Patterns Entered !"});
    EXPECT_TRUE(dialog.isVisible());

    ClickButton(Button("fourNumberRadio"));
    ClickButton(Button("allowReversedRadio"));
    EXPECT_FALSE(Button("threeNumberRadio")->isChecked());
    EXPECT_FALSE(Button("strictOrderRadio")->isChecked());
    TypePattern("1234");
    ClickButton(Button("searchButton"));
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.request().has_value());
    EXPECT_EQ(dialog.request()->game, 1);
    EXPECT_FALSE(dialog.request()->strict);
    EXPECT_EQ(dialog.request()->pattern, "123"); // the field takes 3 characters

    dialog.show(); // Cancel asks for nothing
    ClickButton(Button("cancelButton"));
    EXPECT_FALSE(dialog.request().has_value());
    EXPECT_EQ(messages.texts().size(), 1U);
}

TEST_F(PatternDialogTest, SearchReportsOnDejaView) {
    WriteHistory("0 4 470 74 147 407\r\n1 1 98/01/03 7\r\n");
    OpenSheet();
    LogLines(kThreeNumber, "earlier\n");
    SearchPattern(*sheet, PatternRequest{0, false, "47"}, false);
    EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
    // A result with hits replaces the list; one without is added to it.
    EXPECT_EQ(ResultLines(),
              (std::vector<std::string>{"The pattern 47 or 74 was found in 3 draws:", "470  074  147  "}));
    SearchPattern(*sheet, PatternRequest{0, true, "9"}, true);
    EXPECT_EQ(ResultLines().size(), 3U);
    EXPECT_EQ(ResultLines().back(), "NO HITS for 9");

    sheet->SetActivePage(kThreeNumberPage);
    SearchPattern(*sheet, PatternRequest{0, true, "123"}, true);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Too many digits...\n\nMust be 1 or 2 digits\nfor a 3 number game."});
    EXPECT_EQ(sheet->activeIndex(), kThreeNumberPage);
}

} // namespace
} // namespace vantorel::test
