#pragma once

#include "shell/ChartData.h"

#include <QWidget>

namespace vantorel {

class SheetResults;
struct HandOver;
struct ShellServices;
struct SheetState;

// The main window's view. A left-button double-click builds the operations sheet afresh, runs it modally,
// collects what it left for the chart and destroys it; painting shows the title screen that invites the
// double-click.
class CVantorelView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CVantorelView)

public:
    CVantorelView(HandOver& handOver, SheetResults& results, ShellServices& services,
                  QWidget* parent = nullptr);

    void OpenSheet();
    // Prints what the view shows, on one page.
    void PrintView();

    // What the last run of the sheet left for the chart.
    const ChartData& chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The closing steps after the modal run: the chart data, the start page and the "not yet configured"
    // mark for the next run, and the Setup choices kept for it.
    void CollectResults(const SheetState& left);
    void Paint(QPainter& painter, const QRect& area);

    HandOver& handOver_;
    SheetResults& results_;
    ShellServices& services_;
    ChartData chart_;
};

} // namespace vantorel
