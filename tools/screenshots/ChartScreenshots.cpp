// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/screenshots/ChartScreenshots.h"

#include "lotto/LottoBestGuess.h"
#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/Clock.h"
#include "platform/ProfileStore.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "shell/ChartView.h"
#include "shell/MainWindow.h"
#include "shell/OperationsSheet.h"
#include "shell/SheetPage.h"
#include "shell/VantorelApp.h"
#include "store/HistoryFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace vantorel::tools {

namespace {

// Runs the sheet from the view as a double-click does, clicks the page's buttons and presses OK.
ChartData RunFromSheet(ChartView& view, int page, const std::vector<const char*>& buttons) {
    QTimer::singleShot(0, &view, [page, buttons] {
        auto* sheet = qobject_cast<OperationsSheet*>(QApplication::activeModalWidget());
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

LottoResult RunLotto(int game, Operation operation, const GameSettings& settings, const Clock& clock) {
    RandomGenerator random = RandomGenerator::Seeded(0, clock);
    if (game == kPowerball) {
        PowerballDrawTable table(true);
        table.Load(settings.powerballBalls);
        return ApplyPowerballOperation(operation, table, {}, settings, SetupChoices(), random).value();
    }
    LottoDrawTable table(SectionNumber(game, true));
    table.Load();
    return ApplyLottoOperation(operation, table, {}, settings, SetupChoices(), random).value();
}

void Save(MainWindow& frame, const QDir& directory, const QString& name) {
    QApplication::processEvents();
    QTest::qWait(150);
    // The screen's pixels, as a person sees them: lotto picks are shown on the first repaint only.
    frame.screen()->grabWindow(frame.winId()).save(directory.filePath(name + QStringLiteral(".png")));
}

// The chart at the frame's default size and filling the screen.
void SaveAtBothSizes(MainWindow& frame, const QRect& defaultGeometry, const ChartData& chart,
                     const QDir& directory, const QString& name) {
    for (const QRect& geometry : {defaultGeometry, frame.screen()->availableGeometry()}) {
        frame.setGeometry(geometry);
        QApplication::processEvents();
        QTest::qWait(150);
        frame.view().ShowChart(chart);
        Save(frame, directory,
             QStringLiteral("chart-") + name +
                 (geometry == defaultGeometry ? QString() : QStringLiteral("-maximised")));
    }
}

struct SheetChart {
    const char* name;
    int page;
    const char* radio;
};
constexpr std::array<SheetChart, 4> kSheetCharts = {{
    {"3number-distribution", kThreeNumberPage, "distributionRadio"},
    {"4number-distribution", kFourNumberPage, "distributionRadio"},
    {"3number-random", kThreeNumberPage, "randomRadio"},
    {"4number-bestguess", kFourNumberPage, "bestGuessRadio"},
}};

struct LottoChartRun {
    const char* name;
    int game;
    Operation operation;
};
constexpr std::array<LottoChartRun, 7> kLottoCharts = {{
    {"5number-distribution", kFiveNumber, kDistribution},
    {"6number-distribution", kSixNumber, kDistribution},
    {"powerball-distribution", kPowerball, kDistribution},
    {"5number-random", kFiveNumber, kRandom},
    {"6number-bestguess", kSixNumber, kBestGuess},
    {"powerball-bestguess", kPowerball, kBestGuess},
    {"powerball-random", kPowerball, kRandom},
}};

} // namespace

void SaveChartPictures(VantorelApp& app, ProfileStore& profile, const Clock& clock, const QDir& directory) {
    MainWindow& frame = *app.mainWindow();
    if (!QTest::qWaitForWindowExposed(&frame)) {
        return;
    }
    const QRect defaultGeometry = frame.geometry();
    Save(frame, directory, QStringLiteral("chart-title-screen"));
    for (const SheetChart& chart : kSheetCharts) {
        frame.setGeometry(defaultGeometry);
        const ChartData data = RunFromSheet(frame.view(), chart.page, {chart.radio});
        SaveAtBothSizes(frame, defaultGeometry, data, directory, QString::fromLatin1(chart.name));
    }
    const GameSettings settings = ReadGameSettings(profile, GameSettingKeys::All()).value_or(GameSettings{});
    for (const LottoChartRun& chart : kLottoCharts) {
        const ChartData data = LottoChart(chart.game, RunLotto(chart.game, chart.operation, settings, clock));
        SaveAtBothSizes(frame, defaultGeometry, data, directory, QString::fromLatin1(chart.name));
    }
    LottoResult tooLittle;
    tooLittle.chartPending = true;
    tooLittle.predictionPicks = {kNoPrediction};
    SaveAtBothSizes(frame, defaultGeometry, LottoChart(kFiveNumber, tooLittle), directory,
                    QStringLiteral("5number-insufficient-bestguess"));

    // Today's Powerball (69 / 26) on the sample: its Power Balls 27 to 42 lie above the maximum.
    profile.WriteString(kSettingsSection, kKeyPBC, "69");
    profile.WriteString(kSettingsSection, kKeyPBB, "26");
    const GameSettings today = ReadGameSettings(profile, GameSettingKeys::All()).value_or(GameSettings{});
    SaveAtBothSizes(frame, defaultGeometry,
                    LottoChart(kPowerball, RunLotto(kPowerball, kDistribution, today, clock)), directory,
                    QStringLiteral("powerball-distribution-69-26"));
    profile.WriteString(kSettingsSection, kKeyPBC, "49");

    // The widest maximums: Power Balls up to 99 beside a first group up to 49.
    profile.WriteString(kSettingsSection, kKeyPBB, "99");
    LottoResult wide = RunLotto(kPowerball, kDistribution, settings, clock);
    wide.powerBallCounts.resize(100);
    for (std::size_t ball = 43; ball < wide.powerBallCounts.size(); ++ball) {
        wide.powerBallCounts[ball] = static_cast<int>(ball % 7);
    }
    SaveAtBothSizes(frame, defaultGeometry, LottoChart(kPowerball, wide), directory,
                    QStringLiteral("powerball-distribution-99"));
}

} // namespace vantorel::tools
