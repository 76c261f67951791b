// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ChartData.h"
#include "shell/ChartPicture.h"

#include <QRectF>
#include <QWidget>

class QPrinter;

namespace vantorel {

class SheetResults;

// Printed charts keep at least this far from the paper's edges, more where the printer's margins are wider:
// a PDF printer reports no margins, and real printers cannot print at the very edge.
inline constexpr double kLeastPrintMarginMillimetres = 10;
struct HandOver;
struct ShellServices;
struct SheetState;

// The main window's view. A left-button double-click builds the operations sheet afresh, runs it modally,
// collects what it left for the chart and destroys it. Painting shows the chart of the last run (the title
// screen when there is none), scaled to fill the window. Lotto picks are shown on the first repaint only;
// digit picks and the charts stay until the next double-click.
class ChartView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartView)

public:
    ChartView(HandOver& handOver, SheetResults& results, ShellServices& services, QWidget* parent = nullptr);

    void OpenSheet();
    // Shows the chart of newly collected chart data, replacing everything shown before: reads the game
    // maximums and takes the lotto picks (with the planted seed, or the clock when there is none).
    void ShowChart(const ChartData& chart);
    // Prints what the window shows, fitted to one page inside the printer's margins.
    void PrintView();
    // Asks for a file and saves what the window shows there as a PNG or SVG picture.
    void ExportChart();
    // Saves what the window shows to `path` (".png" or ".svg"); false after a message when it cannot.
    bool ExportChartTo(const QString& path);

    // What the last run of the sheet left for the chart.
    const ChartData& chart() const { return picture_.chart; }
    // What the window shows: the picture of its last repaint.
    const ChartPicture& shownPicture() const { return shown_; }

signals:
    // The operations sheet has closed and its results are collected; the history may have changed.
    void SheetClosed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The closing steps after the modal run: the chart data, the start page and the "not yet configured"
    // mark for the next run, and the Setup choices kept for it.
    void CollectResults(const SheetState& left);
    // The settings the chart is drawn with: the lotto game's maximums when it shows a lotto chart or picks.
    GameSettings ChartSettings(const ChartData& chart) const;

    HandOver& handOver_;
    SheetResults& results_;
    ShellServices& services_;
    ChartPicture picture_; // what the next repaint draws
    ChartPicture shown_;   // what the last repaint drew
};

// Where a printed chart goes, in the printer painter's coordinates (origin at the printable area's top-left
// corner): the printable area, kept kLeastPrintMarginMillimetres from the paper's edges at least.
QRectF ChartPrintArea(const QPrinter& printer);

} // namespace vantorel
