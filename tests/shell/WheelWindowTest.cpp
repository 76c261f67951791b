// SPDX-License-Identifier: GPL-3.0-or-later
// The Wheel window offscreen: the ball grid, generation and check on the worker thread with Cancel, the
// results shown, My Tickets, ticket files and printing.

#include "tests/shell/SheetTestSupport.h"

#include "shell/WheelWindow.h"
#include "tickets/TicketsFile.h"
#include "wheels/TicketFile.h"

#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

#include <filesystem>

namespace vantorel::test {
namespace {

constexpr const char* kFanoMissingOne = "1 2 7\n1 3 5\n1 4 6\n2 3 6\n2 4 5\n3 4 7\n";

class WheelWindowTest : public SheetTest {
protected:
    WheelWindowTest() {
        game.ticket = {kSixNumber, 6, 49, 0};
        game.ticketCents = 100;
    }

    WheelWindow& Window() {
        if (!window) {
            window = new WheelWindow(game, services);
            window->show();
        }
        return *window;
    }
    template <class Widget = QWidget> Widget* Find(const char* name) {
        auto* widget = Window().findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Ask(int size, int guarantee, int drawn, double seconds = 2) {
        Find<QSpinBox>("sizeSpin")->setValue(size);
        Find<QSpinBox>("guaranteeSpin")->setValue(guarantee);
        Find<QSpinBox>("drawnSpin")->setValue(drawn);
        Find<QDoubleSpinBox>("secondsSpin")->setValue(seconds);
    }
    void Pool(int from, int to) {
        for (int number = from; number <= to; ++number) {
            Window().SetBall(number, WheelWindow::BallRole::Pool);
        }
    }
    std::string Status() { return Find<QLabel>("wheelStatus")->text().toStdString(); }
    int Rows(const char* table) { return Find<QTableWidget>(table)->rowCount(); }

    WheelGame game;
    QPointer<WheelWindow> window;

    ~WheelWindowTest() override { delete window.data(); }
};

TEST_F(WheelWindowTest, ABallClickedMovesFromOutToPoolToKeyAndOut) {
    auto* ball = Find<QToolButton>("ball17");
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(Find<QToolButton>("ball49")->text(), QStringLiteral("49"));
    EXPECT_EQ(Window().findChild<QToolButton*>(QStringLiteral("ball50")), nullptr);
    using Role = WheelWindow::BallRole;
    for (const Role expected : {Role::Pool, Role::Key, Role::Out, Role::Pool}) {
        QTest::mouseClick(ball, Qt::LeftButton);
        EXPECT_EQ(Window().RoleOf(17), expected);
    }
    Window().SetBall(3, Role::Key);
    const WheelRequest request = Window().Request();
    EXPECT_EQ(request.pool, (std::vector<int>{3, 17}));
    EXPECT_EQ(request.keys, (std::vector<int>{3}));
    EXPECT_EQ(request.ticketSize, 6);
    EXPECT_EQ(request.ticketPriceCents, 100);
    ClickButton(Find<QAbstractButton>("clearButton"));
    EXPECT_TRUE(Window().Request().pool.empty());
}

TEST_F(WheelWindowTest, GeneratesAVerifiedWheelAndShowsItsWins) {
    Pool(1, 7);
    Ask(3, 2, 2);
    EXPECT_FALSE(Find<QPushButton>("printButton")->isEnabled());
    Window().Generate();
    EXPECT_EQ(Window().Tickets().size(), 7U);
    EXPECT_EQ(Rows("ticketsTable"), 7);
    EXPECT_EQ(Rows("winsTable"), 2);
    const std::string summary = Find<QLabel>("wheelSummary")->text().toStdString();
    EXPECT_EQ(summary.rfind("7 tickets of 3 numbers from a pool of 7, guarantee 2 if 2, verified.\n", 0), 0U)
        << summary;
    EXPECT_EQ(summary.find("Cost:"), std::string::npos) << "three numbers are no 6 Number play";
    for (const char* name : {"printButton", "saveTicketsButton", "addToMyTicketsButton", "generateButton"}) {
        EXPECT_TRUE(Find<QPushButton>(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(Find<QPushButton>("cancelButton")->isEnabled());
}

TEST_F(WheelWindowTest, NamesWhatIsWrongBeforeStarting) {
    Pool(5, 9);
    Window().SetBall(12, WheelWindow::BallRole::Key);
    Ask(6, 3, 2);
    Window().Generate();
    EXPECT_EQ(Status(), "The guarantee 3 if 2 promises more numbers than are drawn: T must not exceed M.");
    EXPECT_TRUE(Window().Tickets().empty());
}

// Cancel stops the search on its thread, while the window goes on handling events; nothing is shown.
TEST_F(WheelWindowTest, CancelStopsTheSearch) {
    Pool(1, 30);
    Ask(6, 4, 4, 600);
    bool sawBusy = false;
    QTimer::singleShot(300, &Window(), [this, &sawBusy] {
        sawBusy = Window().Busy() && Find<QPushButton>("cancelButton")->isEnabled() &&
                  !Find<QPushButton>("generateButton")->isEnabled();
        ClickButton(Find<QAbstractButton>("cancelButton"));
    });
    Window().Generate();
    EXPECT_TRUE(sawBusy);
    EXPECT_FALSE(Window().Busy());
    EXPECT_EQ(Status(), "The wheel was cancelled.");
    EXPECT_TRUE(Window().Tickets().empty());
    EXPECT_EQ(Rows("ticketsTable"), 0);
}

TEST_F(WheelWindowTest, ChecksATicketFileAgainstThePoolAndGuarantee) {
    WriteFile("wheel.txt", kFanoMissingOne);
    services.chooseFileToOpen = [](const QString&, const QString&, QWidget*) {
        return QStringLiteral("wheel.txt");
    };
    Pool(1, 7);
    Ask(3, 2, 2);
    Window().CheckFile();
    EXPECT_EQ(Status(), "The tickets miss the guarantee 2 if 2: no ticket holds 2 of 5 6.");
    EXPECT_EQ(Rows("winsTable"), 0);
    WriteFile("wheel.txt", std::string(kFanoMissingOne) + "5 6 7\n");
    Window().CheckFile();
    EXPECT_EQ(Status(), "The tickets hold 2 if 2 for the 7 pool numbers: 7 tickets.");
    EXPECT_EQ(Rows("ticketsTable"), 7);
    EXPECT_EQ(Rows("winsTable"), 2);
    WriteFile("wheel.txt", "1 2 x\n");
    Window().CheckFile();
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"Line 1 of the ticket file: \"x\" is not a number."}));
}

TEST_F(WheelWindowTest, AddsTicketsToMyTicketsOnlyWhenTheyAreTheGamesTickets) {
    Pool(1, 8);
    Ask(6, 1, 1);
    Window().Generate();
    ASSERT_EQ(Window().Tickets().size(), 2U);
    WriteFile(kTicketsFileName, "3 11 17 21 24 30");
    Window().AddToMyTickets();
    Window().AddToMyTickets();
    const std::string header =
        "# Wheel: 2 tickets of 6 numbers from a pool of 8, guarantee 1 if 1, verified.\n";
    const std::string tickets = FormatTickets(Window().Tickets());
    EXPECT_EQ(ReadFile(std::string(kTicketsFileName)),
              "3 11 17 21 24 30\n" + header + tickets + header + tickets);
    EXPECT_EQ(Status(), "2 tickets were added to tickets.txt.");

    Ask(5, 1, 1);
    Window().Generate();
    ASSERT_FALSE(Window().Tickets().empty());
    Window().AddToMyTickets();
    EXPECT_EQ(
        messages.texts().back(),
        "These tickets cannot be added to My Tickets: a 6 Number ticket holds 6 numbers.\nSave them as a "
        "ticket file instead.");
    EXPECT_EQ(ReadFile(std::string(kTicketsFileName)),
              "3 11 17 21 24 30\n" + header + tickets + header + tickets);
}

TEST_F(WheelWindowTest, SavesAndPrintsTheTickets) {
    Pool(1, 9);
    Ask(3, 2, 2);
    Window().Generate();
    ASSERT_EQ(Window().Tickets().size(), 12U);
    QString chosen = QStringLiteral("saved.txt");
    Window().chooseFileToSave = [&chosen](const QString&, const QString&, const QString&, QWidget*) {
        return chosen;
    };
    Window().SaveTicketFile();
    EXPECT_EQ(ReadFile("saved.txt"), FormatTickets(Window().Tickets()));
    chosen = QStringLiteral("wheel.csv");
    Window().ExportCsv();
    const std::string csv = ReadFile("wheel.csv");
    EXPECT_EQ(csv.rfind("tickets\r\nticket,n1,n2,n3\r\n1,", 0), 0U) << csv;
    EXPECT_NE(csv.find("\r\nwins\r\ndrawn_in_pool,"), std::string::npos) << csv;

    std::vector<int> offered;
    services.choosePrinter = PrintInto(std::filesystem::absolute("wheel.pdf"), &offered);
    Window().Print();
    EXPECT_EQ(offered, std::vector<int>{1});
    EXPECT_TRUE(PdfText("wheel.pdf").contains(QStringLiteral("\n12. "))); // every ticket
}

} // namespace
} // namespace vantorel::test
