// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "digit/DigitDrawTable.h"
#include "platform/PlainDecimal.h"
#include "shell/ChartPainter.h"
#include "shell/MainWindow.h"
#include "shell/QtMessageSink.h"
#include "shell/VantorelApp.h"

#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
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

// What the view shows at the chart's logical size, painted as a repaint does.
QImage Shown(ChartView& view) {
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage TitleScreen() {
    QImage image(ChartPainter::kChartCanvasWidth, ChartPainter::kChartCanvasHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    const ChartPicture nothing;
    ChartPainter(painter, nothing).Paint(image.rect());
    return image;
}

class ChartViewTest : public SheetTest {
protected:
    ChartViewTest() {
        WriteHistory(kHistory);
        view.resize(ChartPainter::kChartCanvasWidth, ChartPainter::kChartCanvasHeight);
    }

    ChartView view{handOver, results, services};
};

// The results of the chart operations are collected after the sheet is gone, from the results the
// application keeps; they stay through repaints until the next double-click, which replaces them even when
// the sheet is cancelled.
TEST_F(ChartViewTest, ChartOperationsOfTheDigitPagesReachTheViewAfterTheSheetIsGone) {
    DigitDrawTable dated(1);
    dated.Load();
    std::array<int, 10> deciles{};
    std::array<int, 10> digits{};
    dated.CountDeciles(deciles, 1000.0);
    dated.CountDigits(digits);

    EXPECT_EQ(Shown(view), TitleScreen());
    RunOnOk(view, kThreeNumberPage, {"distributionRadio"});
    const ChartData& chart = view.chart();
    EXPECT_EQ(chart.digitSeries[kThreeNumberDatedSeries].values, deciles);
    EXPECT_EQ(chart.digitSeries[kThreeNumberDatedSeries].sum, 4);
    EXPECT_EQ(chart.digitSeries[kThreeNumberUndatedSeries].sum, 0);
    EXPECT_EQ(chart.chartPicks, digits);
    EXPECT_EQ(chart.pickMode, 0);
    EXPECT_EQ(chart.pageFlags[kThreeNumberPage], 1);

    handOver.plantedSeed = 17;
    RunOnOk(view, kFourNumberPage, {"randomRadio"});
    EXPECT_EQ(view.chart().pickMode, PlainDecimal(RandomDigits(4, 17, clock)));
    EXPECT_EQ(view.chart().plantedSeed, 17);
    EXPECT_EQ(view.chart().pageFlags[kFourNumberPage], 1);
    EXPECT_EQ(view.chart().digitSeries[kThreeNumberDatedSeries].sum, 0); // replaced by this run
    const QImage picks = Shown(view);
    EXPECT_NE(picks, TitleScreen());
    EXPECT_EQ(Shown(view), picks);

    RunOnOk(view, kThreeNumberPage, {"undatedCheck", "bestGuessRadio"});
    EXPECT_EQ(view.chart().pickMode, 258);

    // A cancelled run leaves nothing to draw: the title screen.
    RunSheetFromView(view, [](OperationsSheet&) {});
    EXPECT_EQ(view.chart().pickMode, 0);
    EXPECT_EQ(view.chart().pageFlags[kThreeNumberPage], 1); // the page the sheet opened on
    EXPECT_EQ(Shown(view), TitleScreen());
}

// Lotto picks are shown on the first repaint only: a Best Guess without enough history shows its notice
// with random picks under it, and the next repaint shows neither.
TEST_F(ChartViewTest, LottoPicksAndTheNoticeAreShownOnce) {
    ChartData guess;
    MarkOneHot(guess.pageFlags, kFiveNumberPage);
    guess.pickMode = 1;
    guess.picksPresent = true;
    guess.chartPicks[0] = -1;
    view.ShowChart(guess);
    const QImage first = Shown(view);
    ASSERT_TRUE(view.shownPicture().lottoPicks.has_value());
    EXPECT_TRUE(view.shownPicture().lottoPicks->insufficient);
    EXPECT_EQ(view.shownPicture().lottoPicks->picks.size(), 5U);
    EXPECT_EQ(first.pixel(ChartPainter::kChartCanvasWidth / 2 - 110, ChartPainter::kChartCanvasHeight / 2),
              qRgb(30, 30, 60)); // the notice's plate
    EXPECT_EQ(Shown(view), TitleScreen());
    EXPECT_FALSE(view.shownPicture().lottoPicks.has_value());
}

// Ctrl+P prints the chart on one page; File > Export Chart saves what the window shows as PNG or SVG.
TEST_F(ChartViewTest, PrintingAndExportShowWhatTheWindowShows) {
    RunOnOk(view, kThreeNumberPage, {"distributionRadio"});
    const QImage chart = Shown(view);

    std::vector<int> offered;
    services.choosePrinter = PrintInto(workDir.path() / "chart.pdf", &offered);
    view.PrintView();
    EXPECT_EQ(offered, std::vector<int>{1});
    EXPECT_TRUE(PdfText(workDir.path() / "chart.pdf").contains(QStringLiteral("3 Number")));

    const QString png = QString::fromStdString((workDir.path() / "chart.png").string());
    const QString svg = QString::fromStdString((workDir.path() / "chart.svg").string());
    std::vector<QString> chosen = {png, svg, QStringLiteral("chart.txt")};
    services.chooseChartFile = [&chosen](QWidget*) {
        const QString next = chosen.front();
        chosen.erase(chosen.begin());
        return next;
    };
    view.ExportChart();
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), chart);
    view.ExportChart();
    EXPECT_NE(ReadFile(workDir.path() / "chart.svg").find("<svg"), std::string::npos);
    view.ExportChart();
    EXPECT_FALSE(std::filesystem::exists(workDir.path() / "chart.txt"));
    EXPECT_EQ(messages.texts().size(), 1U);
}

// How far the words of a PDF reach across the paper: the left edge of the leftmost and the right edge of the
// rightmost, in points from the paper's left edge, as pdftotext reads them.
std::pair<double, double> PrintedTextSpan(const std::filesystem::path& pdf) {
    const QRegularExpression box(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\""));
    double left = 1e9;
    double right = 0;
    for (auto match = box.globalMatch(PdfText(pdf, {QStringLiteral("-bbox")})); match.hasNext();) {
        const QRegularExpressionMatch word = match.next();
        left = std::min(left, word.captured(1).toDouble());
        right = std::max(right, word.captured(2).toDouble());
    }
    return {left, right};
}

// The printed chart stays inside the printer's margins, whatever the window's shape, also with the
// narrow margins a PDF printer reports.
TEST_F(ChartViewTest, PrintedChartKeepsThePrintersMargins) {
    ChartData chart;
    MarkOneHot(chart.pageFlags, kFiveNumberPage);
    chart.lottoChartPending = true;
    chart.ballCounts = std::vector<int>(27, 3);
    const std::filesystem::path pdf = workDir.path() / "margins.pdf";
    for (const qreal margin : {0.0, 4.0, 25.0}) {
        for (const QSize size : {QSize(480, 280), QSize(480, 600), QSize(1000, 300)}) {
            SCOPED_TRACE(std::to_string(margin) + " mm, " + std::to_string(size.width()) + " x " +
                         std::to_string(size.height()));
            view.resize(size);
            view.ShowChart(chart);
            Shown(view);
            services.choosePrinter = [&](QPrinter& printer, int, QWidget*) {
                PrintInto(pdf)(printer, 1, nullptr);
                printer.setPageSize(QPageSize(QPageSize::A4));
                printer.setPageOrientation(QPageLayout::Portrait);
                printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
                return true;
            };
            view.PrintView();
            const auto [left, right] = PrintedTextSpan(pdf);
            constexpr double kPointsPerMillimetre = 72 / 25.4;
            constexpr double kA4Width = 595.3;
            const double least = std::max(margin, kLeastPrintMarginMillimetres) * kPointsPerMillimetre;
            EXPECT_GE(left, least);
            EXPECT_LE(right, kA4Width - least);
            if (size == QSize(480, 280)) {
                EXPECT_LT(left, least + 10); // the chart still fills the page's width
            }
        }
    }
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
    VantorelApp app(profile, clock, &BuildSheetPages);
    ASSERT_TRUE(app.InitInstance());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainWindow()));
    ChartView& view = app.mainWindow()->view();

    std::string warning;
    WhenModal<QMessageBox>(
        view,
        [&warning](QMessageBox& box) {
            warning = box.text().toStdString();
            box.accept();
        },
        100);
    bool looked = false;
    WhenModal<OperationsSheet>(
        view,
        [&looked](OperationsSheet& running) {
            looked = true;
            const QTabBar* tabs = running.findChild<QTabWidget*>(QStringLiteral("pageTabs"))->tabBar();
            EXPECT_GE(running.width(), tabs->sizeHint().width());
            EXPECT_GE(tabs->width(), tabs->tabRect(kDejaViewPage).right());
            running.reject();
        },
        300);
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, view.rect().center());
    EXPECT_TRUE(looked);
    EXPECT_EQ(warning, kNotConfiguredMessage);
}

} // namespace
} // namespace vantorel::test
