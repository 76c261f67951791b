// chart_screenshots DIR: saves what the main window shows for every chart, on the history file of the
// current directory, at the default window size and filling the screen, into DIR, for a person to look at.
// Run it on a real display (for example under Xvfb). The digit charts come from the operations sheet as a
// user runs it; the lotto charts from the lotto operations on the same history.

#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "shell/CMainFrame.h"
#include "shell/CPsheet.h"
#include "shell/CVantorelApp.h"
#include "shell/CVantorelView.h"
#include "shell/SheetPage.h"
#include "shell/pages/SheetPages.h"
#include "store/HistoryFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace vantorel;

// Runs the sheet from the view as a double-click does, clicks the page's buttons and presses OK.
ChartData RunFromSheet(CVantorelView& view, int page, const std::vector<const char*>& buttons) {
    QTimer::singleShot(0, &view, [page, buttons] {
        auto* sheet = qobject_cast<CPsheet*>(QApplication::activeModalWidget());
        if (sheet == nullptr) {
            return;
        }
        sheet->SetActivePage(page);
        for (const char* name : buttons) {
            if (auto* button = sheet->page(page)->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
                QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
            }
        }
        if (auto* ok = sheet->findChild<QAbstractButton*>(QStringLiteral("okButton"))) {
            QTest::mouseClick(ok, Qt::LeftButton, Qt::NoModifier, QPoint(4, ok->height() / 2));
        }
    });
    view.OpenSheet();
    return view.chart();
}

ChartData LottoChart(int game, const LottoResult& result) {
    ChartData chart;
    MarkOneHot(chart.pageFlags, game);
    chart.lottoChartPending = result.lottoChartPending;
    chart.ballCounts = result.ballCounts;
    chart.powerBallCounts = result.powerBallCounts;
    if (result.chartPending) {
        chart.pickMode = 1;
        if (!result.predictionPicks.empty() && result.predictionPicks.front() != 0) {
            chart.picksPresent = true;
            std::copy_n(result.predictionPicks.begin(),
                        std::min<std::size_t>(result.predictionPicks.size(), 6), chart.chartPicks.begin());
        }
    }
    return chart;
}

LottoResult RunLotto(int game, int operation, const GameSettings& settings, const Clock& clock) {
    RandomGenerator random = RandomGenerator::Seeded(0, clock);
    if (game == kPowerball) {
        PowerballDrawTable table(true);
        table.Load(settings.powerballBalls);
        return ApplyPowerballOperation(operation, table, {}, settings, SetupChoices(), random);
    }
    LottoDrawTable table(SectionNumber(game, true));
    table.Load();
    return ApplyLottoOperation(operation, table, {}, settings, SetupChoices(), random);
}

void Save(CMainFrame& frame, const QDir& directory, const QString& name) {
    QApplication::processEvents();
    QTest::qWait(150);
    // The screen's pixels, as a person sees them: lotto picks are shown on the first repaint only.
    frame.screen()->grabWindow(frame.winId()).save(directory.filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QDir directory(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    RecordingMessageSink messages;
    const ScopedMessageSink installed(messages);
    MemoryProfileStore profile;
    const SystemClock clock;
    CVantorelApp app(profile, clock, &BuildSheetPages);
    app.InitInstance();
    CMainFrame& frame = *app.mainFrame();
    CVantorelView& view = frame.view();
    if (!QTest::qWaitForWindowExposed(&frame)) {
        return 1;
    }
    const GameSettings settings = GameSettings::Read(profile);

    struct Chart {
        QString name;
        std::function<ChartData()> make;
    };
    const std::vector<Chart> charts = {
        {QStringLiteral("3number-distribution"),
         [&] {
             return RunFromSheet(view, kThreeNumberPage, {"distributionRadio"});
         }},
        {QStringLiteral("4number-distribution"),
         [&] {
             return RunFromSheet(view, kFourNumberPage, {"distributionRadio"});
         }},
        {QStringLiteral("3number-random"),
         [&] {
             return RunFromSheet(view, kThreeNumberPage, {"randomRadio"});
         }},
        {QStringLiteral("4number-bestguess"),
         [&] {
             return RunFromSheet(view, kFourNumberPage, {"bestGuessRadio"});
         }},
        {QStringLiteral("5number-distribution"),
         [&] {
             return LottoChart(kFiveNumber, RunLotto(kFiveNumber, kDistribution, settings, clock));
         }},
        {QStringLiteral("6number-distribution"),
         [&] {
             return LottoChart(kSixNumber, RunLotto(kSixNumber, kDistribution, settings, clock));
         }},
        {QStringLiteral("powerball-distribution"),
         [&] {
             return LottoChart(kPowerball, RunLotto(kPowerball, kDistribution, settings, clock));
         }},
        {QStringLiteral("5number-random"),
         [&] {
             return LottoChart(kFiveNumber, RunLotto(kFiveNumber, kRandom, settings, clock));
         }},
        {QStringLiteral("6number-bestguess"),
         [&] {
             return LottoChart(kSixNumber, RunLotto(kSixNumber, kBestGuess, settings, clock));
         }},
        {QStringLiteral("powerball-bestguess"),
         [&] {
             return LottoChart(kPowerball, RunLotto(kPowerball, kBestGuess, settings, clock));
         }},
        {QStringLiteral("powerball-random"),
         [&] {
             return LottoChart(kPowerball, RunLotto(kPowerball, kRandom, settings, clock));
         }},
        {QStringLiteral("5number-insufficient-bestguess"),
         [&] {
             LottoResult tooLittle;
             tooLittle.chartPending = true;
             tooLittle.predictionPicks = {-1};
             return LottoChart(kFiveNumber, tooLittle);
         }},
        // The widest maximums: every Power Ball up to 99, the first group up to 49.
        {QStringLiteral("powerball-distribution-99"),
         [&] {
             profile.WriteString(kSettingsSection, kKeyPBB, "99");
             LottoResult wide = RunLotto(kPowerball, kDistribution, settings, clock);
             wide.powerBallCounts.resize(100);
             for (std::size_t ball = 43; ball < wide.powerBallCounts.size(); ++ball) {
                 wide.powerBallCounts[ball] = static_cast<int>(ball % 7);
             }
             return LottoChart(kPowerball, wide);
         }},
    };

    const QRect defaultGeometry = frame.geometry();
    Save(frame, directory, QStringLiteral("chart-title-screen"));
    for (const Chart& chart : charts) {
        frame.setGeometry(defaultGeometry);
        QApplication::processEvents();
        const ChartData data = chart.make();
        view.ShowChart(data);
        Save(frame, directory, QStringLiteral("chart-") + chart.name);
        frame.setGeometry(frame.screen()->availableGeometry());
        QApplication::processEvents();
        QTest::qWait(150);
        view.ShowChart(data);
        Save(frame, directory, QStringLiteral("chart-") + chart.name + QStringLiteral("-maximised"));
    }
    return 0;
}
