// SPDX-License-Identifier: GPL-3.0-or-later
// The My Tickets window offscreen: the tickets file read and checked row by row, typing checked as it is
// typed, add, remove, import and save, the check with its sortable wins and summary, the CSV export and the
// print.
#include "tests/shell/SheetTestSupport.h"

#include "shell/MyTicketsWindow.h"
#include "shell/TicketWinsModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

// Two drawings of today's Powerball, the dated history of section 9.
constexpr std::string_view kHistory = "9 2 26/12/02 3 11 17 21 24 7 26/12/05 1 2 3 4 5 26\r\n";

class MyTicketsWindowTest : public SheetTest {
protected:
    MyTicketsWindowTest() {
        profile.WriteString(kSettingsSection, "PBC", "69");
        profile.WriteString(kSettingsSection, "PBB", "26");
        WriteHistory(kHistory);
        WriteFile("tickets.txt", "# mine\n3 11 17 21 24 + 7\n70 1 2 3 4 + 1\n1 2 3 40 50 + 26\n");
    }

    MyTicketsWindow& Open() {
        window = std::make_unique<MyTicketsWindow>(services, kPowerball);
        window->show();
        return *window;
    }
    QTableWidget* Tickets() const { return window->findChild<QTableWidget*>(QStringLiteral("ticketsTable")); }
    Lines Column(int column) const {
        Lines cells;
        for (int row = 0; row < Tickets()->rowCount(); ++row) {
            cells.push_back(Tickets()->item(row, column)->text().toStdString());
        }
        return cells;
    }
    void Press(const char* name) {
        ClickButton(window->findChild<QAbstractButton*>(QString::fromLatin1(name)));
    }
    // The wins as the view shows them, row by row: line, date, tier, prize.
    Lines Wins() const {
        const QAbstractItemModel* model = window->findChild<QTableView*>(QStringLiteral("winsView"))->model();
        Lines rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            std::string shown;
            for (const int column : {TicketWinsModel::kLine, TicketWinsModel::kDate, TicketWinsModel::kTier,
                                     TicketWinsModel::kPrize}) {
                shown +=
                    (shown.empty() ? "" : ", ") + model->index(row, column).data().toString().toStdString();
            }
            rows.push_back(shown);
        }
        return rows;
    }

    std::unique_ptr<MyTicketsWindow> window;
};

TEST_F(MyTicketsWindowTest, ReadsTheTicketsFileAndChecksEachRow) {
    Open();
    EXPECT_EQ(Column(MyTicketsWindow::kTicketText),
              (Lines{"# mine", "3 11 17 21 24 + 7", "70 1 2 3 4 + 1", "1 2 3 40 50 + 26"}));
    EXPECT_EQ(Column(MyTicketsWindow::kTicketState),
              (Lines{"(comment)", "OK", "Line 3: 70 is outside 1 to 69", "OK"}));
    // Another game reads the same lines by its own rules.
    window->ChooseGame(kThreeNumber);
    EXPECT_EQ(Column(MyTicketsWindow::kTicketState)[1].substr(0, 7), "Line 2:");
}

// Each key typed is checked: the editor says what is wrong until the ticket reads well.
TEST_F(MyTicketsWindowTest, TypingIsCheckedAsItIsTyped) {
    Open();
    Press("addButton");
    auto* editor = Tickets()->findChild<QLineEdit*>(QStringLiteral("ticketLineEditor"));
    ASSERT_NE(editor, nullptr);
    const auto* state = window->findChild<QLabel*>(QStringLiteral("stateLabel"));
    const struct {
        const char* typed;
        std::string problem; // empty: it reads well
    } steps[] = {
        {"5 5 6 7 8 + 1", "Line 5: 5 is there twice"},
        {"5 6 7 8 9 + 27", "Line 5: the Power Ball 27 is outside 1 to 26"},
        {"5 6 7 8 9 + 26", ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.typed);
        editor->clear();
        QTest::keyClicks(editor, QString::fromLatin1(step.typed));
        EXPECT_EQ(editor->toolTip().toStdString(), step.problem);
        EXPECT_EQ(editor->styleSheet().isEmpty(), step.problem.empty());
        EXPECT_EQ(state->text().toStdString(),
                  step.problem.empty() ? "The ticket reads well." : step.problem);
    }
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor's text is committed through a queued call
    EXPECT_EQ(Column(MyTicketsWindow::kTicketState).back(), "OK");
    EXPECT_TRUE(window->modified());
}

TEST_F(MyTicketsWindowTest, AddRemoveImportAndSaveKeepTheFile) {
    WriteFile("more.txt", "\n12 13 14 15 16 + 1 ; from 12/03/2026\r\n");
    services.chooseFileToOpen = [](const QString&, const QString&, QWidget*) {
        return QStringLiteral("more.txt");
    };
    Open();
    Tickets()->selectRow(2);
    Press("removeButton");
    Press("importButton");
    Press("saveButton");
    EXPECT_EQ(ReadFile("tickets.txt"),
              "# mine\n3 11 17 21 24 + 7\n1 2 3 40 50 + 26\n12 13 14 15 16 + 1 ; from 12/03/2026\n");
    EXPECT_FALSE(window->modified());
    // The rows below the removed one are checked with their new line numbers.
    EXPECT_EQ(Column(MyTicketsWindow::kTicketState), (Lines{"(comment)", "OK", "OK", "OK"}));
}

TEST_F(MyTicketsWindowTest, CheckFillsTheSortableWinsAndTheSummary) {
    Open();
    Press("checkButton");
    EXPECT_EQ(messages.texts(), Lines{});
    EXPECT_EQ(Wins(), (Lines{"2, 12/02/2026, 5 + Powerball, Jackpot", "4, 12/05/2026, 3 + Powerball, $100"}));
    const std::string summary =
        window->findChild<QPlainTextEdit*>(QStringLiteral("summaryView"))->toPlainText().toStdString();
    EXPECT_EQ(summary.substr(0, 45), "Checked 2 tickets against 2 drawings: 4 plays");
    EXPECT_NE(summary.find("Left out: 1 rows with a problem (see the table)"), std::string::npos);
    auto* view = window->findChild<QTableView*>(QStringLiteral("winsView"));
    view->sortByColumn(TicketWinsModel::kPrize, Qt::AscendingOrder);
    EXPECT_EQ(Wins().front(), "4, 12/05/2026, 3 + Powerball, $100");
    view->sortByColumn(TicketWinsModel::kDate, Qt::AscendingOrder);
    EXPECT_EQ(Wins().front(), "2, 12/02/2026, 5 + Powerball, Jackpot");

    // The undated history is not there: the check says so and keeps the last wins.
    window->findChild<QComboBox*>(QStringLiteral("historyBox"))->setCurrentIndex(1);
    Press("checkButton");
    EXPECT_EQ(messages.texts(),
              Lines{"VTRMAIN.DAT holds no undated Power Ball history to check the tickets against."});
    EXPECT_EQ(Wins().size(), 2U);
}

TEST_F(MyTicketsWindowTest, ExportAndPrintTheWins) {
    services.chooseFileToSave = [](const QString&, const QString&, const QString&, QWidget*) {
        return QStringLiteral("wins.csv");
    };
    std::vector<int> offered;
    services.choosePrinter = PrintInto(std::filesystem::absolute("printed.pdf"), &offered);
    Open();
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("exportButton"))->isEnabled());
    Press("checkButton");
    Press("exportButton");
    EXPECT_EQ(ReadFile("wins.csv"), "ticket,line,date,matched,bonus,tier,prize\r\n"
                                    "3 11 17 21 24 + 7,2,2026-12-02,5,1,5+1,\r\n"
                                    "1 2 3 40 50 + 26,4,2026-12-05,3,1,3+1,100\r\n");
    Press("printButton");
    EXPECT_EQ(offered, std::vector<int>{1});
    EXPECT_TRUE(PdfText("printed.pdf").contains(QStringLiteral("12/05/2026")));
}

} // namespace
} // namespace vantorel::test
