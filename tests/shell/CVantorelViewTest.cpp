#include "tests/shell/SheetTestSupport.h"

#include "digit/DigitDrawTable.h"
#include "platform/PlainDecimal.h"
#include "shell/CMainFrame.h"
#include "shell/CVantorelApp.h"
#include "shell/QtMessageSink.h"

#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>

namespace vantorel::test {
namespace {

// 3 Number: undated favours the overdue digits 2, 5 and 8 without ties; dated 007 123 045 900.
// 4 Number dated 0045 1234.
constexpr std::string_view kHistory =
    "0 21 0 111 222 333 444 555 666 777 888 999 0 111 322 433 544 665 776 887 999 0 666\r\n"
    "1 4 98/01/03 7 98/01/05 123 98/01/05 45 99/02/01 900\r\n"
    "3 2 98/01/05 45 98/01/06 1234\r\n";

// Clicks a button of a page of the running sheet, after turning to the page when it is not shown.
void ClickOn(CPsheet& running, int page, const char* name) {
    if (running.activeIndex() != page) {
        running.SetActivePage(page);
    }
    ClickButton(running.page(page)->findChild<QAbstractButton*>(QString::fromLatin1(name)));
}

void PressOk(CPsheet& running) {
    ClickButton(running.findChild<QAbstractButton*>(QStringLiteral("okButton")));
}

class CVantorelViewTest : public SheetTest {
protected:
    CVantorelViewTest() { WriteHistory(kHistory); }

    // Runs one chart operation on a game page and closes the sheet with OK.
    void RunChartOperation(int game, std::vector<const char*> clicks) {
        RunSheetFromView(view, [&](CPsheet& running) {
            for (const char* name : clicks) {
                ClickOn(running, game, name);
            }
            PressOk(running);
        });
    }

    CVantorelView view{handOver, results, services};
};

// The results of the chart operations are collected after the sheet is gone, from the results the
// application keeps; each double-click replaces them.
TEST_F(CVantorelViewTest, ChartOperationsOfTheDigitPagesReachTheViewAfterTheSheetIsGone) {
    DigitDrawTable dated(1);
    dated.Load();
    std::array<int, 10> deciles{};
    std::array<int, 10> digits{};
    dated.CountDeciles(deciles, 1000.0);
    dated.CountDigits(digits);

    RunChartOperation(kThreeNumberPage, {"distributionRadio"});
    const ChartData& chart = view.chart();
    EXPECT_EQ(chart.digitSeries[kThreeNumberDatedSeries].values, deciles);
    EXPECT_EQ(chart.digitSeries[kThreeNumberDatedSeries].sum, 4);
    EXPECT_EQ(chart.digitSeries[kThreeNumberUndatedSeries].sum, 0);
    EXPECT_EQ(chart.chartPicks, digits);
    EXPECT_EQ(chart.pickMode, 0);
    EXPECT_EQ(chart.pageFlags[kThreeNumberPage], 1);

    handOver.plantedSeed = 17;
    RunChartOperation(kFourNumberPage, {"randomRadio"});
    EXPECT_EQ(view.chart().pickMode, PlainDecimal(RandomDigits(4, 17, clock)));
    EXPECT_EQ(view.chart().plantedSeed, 17);
    EXPECT_EQ(view.chart().pageFlags[kFourNumberPage], 1);
    EXPECT_EQ(view.chart().digitSeries[kThreeNumberDatedSeries].sum, 0); // replaced by this run

    RunChartOperation(kThreeNumberPage, {"undatedCheck", "bestGuessRadio"});
    EXPECT_EQ(view.chart().pickMode, 258);

    // A cancelled run leaves nothing to draw: the title screen.
    RunSheetFromView(view, [](CPsheet&) {});
    EXPECT_EQ(view.chart().pickMode, 0);
    EXPECT_EQ(view.chart().pageFlags[kThreeNumberPage], 1); // the page the sheet opened on
}

// The whole program with its own message boxes: on a display (xcb, for example under xvfb-run) the
// warning's loop ran while the sheet was being shown and left it at 640 x 480 with its tab row clipped.
TEST(SheetSizeTest, SheetShowsEveryTabWholeAlsoAfterTheNotConfiguredWarning) {
    const TempWorkingDir directory;
    MemoryProfileStore profile;
    const FixedClock clock(0);
    QtMessageSink boxes;
    const ScopedMessageSink installed(boxes);
    profile.WriteString(kSettingsSection, kKey6BC, "49"); // not a first run, but "5BC" is missing
    CVantorelApp app(profile, clock, &BuildSheetPages);
    ASSERT_TRUE(app.InitInstance());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainFrame()));
    CVantorelView& view = app.mainFrame()->view();

    std::string warning;
    QTimer::singleShot(100, &view, [&warning] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        warning = box->text().toStdString();
        box->accept();
    });
    bool looked = false;
    QTimer::singleShot(300, &view, [&looked] {
        auto* running = qobject_cast<CPsheet*>(QApplication::activeModalWidget());
        ASSERT_NE(running, nullptr);
        looked = true;
        const QTabBar* tabs = running->findChild<QTabWidget*>(QStringLiteral("pageTabs"))->tabBar();
        EXPECT_GE(running->width(), tabs->sizeHint().width());
        EXPECT_GE(tabs->width(), tabs->tabRect(kDejaViewPage).right());
        running->reject();
    });
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, view.rect().center());
    EXPECT_TRUE(looked);
    EXPECT_EQ(warning, kNotConfiguredMessage);
}

} // namespace
} // namespace vantorel::test
