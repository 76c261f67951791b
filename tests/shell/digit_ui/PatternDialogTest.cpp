#include "tests/shell/SheetTestSupport.h"

#include "digit/ui/PatternDialog.h"

#include <QTest>

namespace vantorel::test {
namespace {

class PatternDialogTest : public SheetTest {
protected:
    void ClickDialog(std::string_view name) {
        auto* button = dialog.findChild<QAbstractButton*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
    }
    bool Checked(const char* name) const {
        return dialog.findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
    }
    void TypePattern(const char* text) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("patternEdit")),
                         QString::fromLatin1(text));
    }

    PatternDialog dialog;
};

TEST_F(PatternDialogTest, OpensOnThreeNumberStrictOrder) {
    dialog.show();
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Vantorel Pattern Searching");
    EXPECT_TRUE(Checked("threeNumberRadio"));
    EXPECT_FALSE(Checked("fourNumberRadio"));
    EXPECT_TRUE(Checked("strictOrderRadio"));
    EXPECT_FALSE(Checked("allowReversedRadio"));
    EXPECT_EQ(dialog.findChild<QAbstractButton*>(QStringLiteral("threeNumberRadio"))->text().toStdString(),
              "3  Number");
}

TEST_F(PatternDialogTest, SearchNeedsAPattern) {
    dialog.show();
    ClickDialog("searchButton");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"No Patterns Entered !"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.request().has_value());
}

TEST_F(PatternDialogTest, SearchReturnsTheChosenGameOrderingAndPattern) {
    dialog.show();
    ClickDialog("fourNumberRadio");
    ClickDialog("allowReversedRadio");
    TypePattern("1234");
    ClickDialog("searchButton");
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.request().has_value());
    EXPECT_EQ(dialog.request()->game, 1);
    EXPECT_FALSE(dialog.request()->strict);
    EXPECT_EQ(dialog.request()->pattern, "123"); // the field takes 3 characters
}

TEST_F(PatternDialogTest, CancelAsksForNothing) {
    dialog.show();
    TypePattern("47");
    ClickDialog("cancelButton");
    EXPECT_FALSE(dialog.request().has_value());
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(PatternDialogTest, SearchReportsOnDejaView) {
    WriteHistory("0 4 470 74 147 407\r\n1 1 98/01/03 7\r\n");
    OpenSheet();
    SearchPattern(*sheet, PatternRequest{0, false, "47"}, false);
    EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
    EXPECT_EQ(ResultLines(),
              (std::vector<std::string>{"The pattern 47 or 74 was found in 3 draws:", "470  074  147  "}));

    SearchPattern(*sheet, PatternRequest{0, true, "9"}, true);
    EXPECT_EQ(ResultLines().back(), "NO HITS for 9");

    sheet->SetActivePage(kThreeNumberPage);
    SearchPattern(*sheet, PatternRequest{0, true, "123"}, true);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Too many digits...\n\nMust be 1 or 2 digits\nfor a 3 number game."});
    EXPECT_EQ(sheet->activeIndex(), kThreeNumberPage);
}

} // namespace
} // namespace vantorel::test
