// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChartView.h"

#include "lotto/LottoOperations.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "shell/ChartFile.h"
#include "shell/ChartPainter.h"
#include "shell/OperationsSheet.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"
#include "store/HistoryFile.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace vantorel {

namespace {

constexpr std::string_view kNotAChartFile = "Charts are saved as PNG or SVG pictures.\nPlease choose a "
                                            "name ending in .png or .svg.";
constexpr std::string_view kChartNotSaved = "The chart could not be saved to\n";

} // namespace

ChartView::ChartView(HandOver& handOver, SheetResults& results, ShellServices& services, QWidget* parent)
    : QWidget(parent), handOver_(handOver), results_(results), services_(services) {
    setObjectName(QStringLiteral("chartView"));
    // The chart scales to any size; half the canvas keeps it readable and lets the window fit small screens
    // at large scale factors.
    setMinimumSize(ChartPainter::kChartCanvasWidth / 2, ChartPainter::kChartCanvasHeight / 2);
}

void ChartView::paintEvent(QPaintEvent*) {
    shown_ = picture_;
    // Lotto picks are shown once: the next repaint no longer draws them.
    picture_.lottoPicks.reset();
    QPainter painter(this);
    ChartPainter(painter, shown_).Paint(rect());
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OpenSheet();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void ChartView::OpenSheet() {
    picture_ = ChartPicture();
    results_.BeginRun();
    OperationsSheet sheet(handOver_, results_, services_);
    sheet.state().notConfigured = handOver_.configWarningShown;
    sheet.state().startPage = handOver_.savedStartPage;
    sheet.RunSheet(this);
    CollectResults(sheet.state());
    emit SheetClosed();
}

void ChartView::CollectResults(const SheetState& left) {
    ShowChart(CollectChartData(left, results_));
    handOver_.savedStartPage = left.startPage;
    if (left.notConfigured) {
        handOver_.configWarningShown = true;
    }
    handOver_.SaveSetupChoices();
}

void ChartView::ShowChart(const ChartData& chart) {
    RandomGenerator random = RandomGenerator::Seeded(chart.plantedSeed, services_.clock);
    picture_ = MakeChartPicture(chart, ChartSettings(chart), random);
    update();
}

GameSettings ChartView::ChartSettings(const ChartData& chart) const {
    const int game = FirstMarked(chart.pageFlags);
    if (!IsLottoGame(game) || (!chart.lottoChartPending && chart.pickMode == 0)) {
        return {}; // the digit charts need no settings
    }
    // The maximums the lotto chart and the random picks are drawn with; a setting that cannot be used is
    // named in a message, and the chart is drawn with a maximum of 0: empty.
    const GameSettingKeys needed = SettingsNeededBy(game, kDistribution) | SettingsNeededBy(game, kRandom);
    const Outcome<GameSettings> settings = ReadGameSettings(services_.profile, needed);
    ShowNotices(settings.notices());
    return settings.value_or(GameSettings{});
}

void ChartView::PrintView() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("VanTorel"));
    if (!services_.choosePrinter(printer, 1, this)) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    // What the window shows, as large as the page's area allows, centred across it, at its top.
    const QRectF area = ChartPrintArea(printer);
    const double scale = std::min(area.width() / width(), area.height() / height());
    painter.translate(area.left() + (area.width() - width() * scale) / 2, area.top());
    painter.scale(scale, scale);
    ChartPainter(painter, shown_).Paint(rect());
    painter.end();
}

QRectF ChartPrintArea(const QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const double least = kLeastPrintMarginMillimetres * printer.resolution() / 25.4;
    const QRectF area = printable.intersected(paper.adjusted(least, least, -least, -least));
    // The painter's origin is the printable area's top-left corner.
    return area.translated(-printable.topLeft());
}

void ChartView::ExportChart() {
    const QString path = services_.chooseChartFile(this);
    if (!path.isEmpty()) {
        ExportChartTo(path);
    }
}

bool ChartView::ExportChartTo(const QString& path) {
    const std::optional<ChartFileFormat> format = ChartFileFormatOf(path);
    if (!format) {
        MessageBox(kNotAChartFile, MessageIcon::Exclamation);
        return false;
    }
    if (!WriteChartFile(shown_, size(), devicePixelRatioF(), path, *format)) {
        MessageBox(std::string(kChartNotSaved) + path.toStdString(), MessageIcon::Exclamation);
        return false;
    }
    return true;
}

} // namespace vantorel
