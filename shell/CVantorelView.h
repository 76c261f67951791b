#pragma once

#include "shell/HandOver.h"

#include <QWidget>

namespace vantorel {

struct ShellServices;

// The main window's view. It paints the title screen that invites the double-click; a left-button
// double-click builds the operations sheet afresh, runs it modally and destroys it afterwards, keeping
// what the sheet leaves for the next run.
class CVantorelView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CVantorelView)

public:
    CVantorelView(HandOver& handOver, ShellServices& services, QWidget* parent = nullptr);

    void OpenSheet();
    // Prints what the view shows, on one page.
    void PrintView();

    // What the last run of the sheet left for the chart.
    int plantedSeed() const { return plantedSeed_; }
    bool lottoChartPending() const { return lottoChartPending_; }
    const PageFlags& pageFlags() const { return pageFlags_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Paint(QPainter& painter, const QRect& area);

    HandOver& handOver_;
    ShellServices& services_;
    int plantedSeed_ = 0;
    bool lottoChartPending_ = false;
    PageFlags pageFlags_{};
};

} // namespace vantorel
