#include "shell/CVantorelView.h"

#include "shell/Artwork.h"
#include "shell/CPsheet.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>

namespace vantorel {

CVantorelView::CVantorelView(HandOver& handOver, SheetResults& results, ShellServices& services,
                             QWidget* parent)
    : QWidget(parent), handOver_(handOver), results_(results), services_(services) {
    setObjectName(QStringLiteral("chartView"));
    setMinimumSize(480, 320);
}

void CVantorelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, rect());
}

void CVantorelView::Paint(QPainter& painter, const QRect& area) {
    PaintTitleScreen(painter, area);
}

void CVantorelView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OpenSheet();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void CVantorelView::OpenSheet() {
    chart_ = ChartData();
    results_.BeginRun();
    CPsheet sheet(handOver_, results_, services_);
    sheet.state().notConfigured = handOver_.configWarningShown;
    sheet.state().startPage = handOver_.savedStartPage;
    sheet.RunSheet(this);
    CollectResults(sheet.state());
    update();
}

void CVantorelView::CollectResults(const SheetState& left) {
    chart_ = CollectChartData(left, results_);
    handOver_.savedStartPage = left.startPage;
    if (left.notConfigured) {
        handOver_.configWarningShown = true;
    }
    handOver_.SaveSetupChoices();
}

void CVantorelView::PrintView() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("VanTorel"));
    if (!services_.choosePrinter(printer, 1, this)) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    const QRect page = painter.viewport();
    const double scale =
        std::min(static_cast<double>(page.width()) / width(), static_cast<double>(page.height()) / height());
    painter.scale(scale, scale);
    Paint(painter, rect());
    painter.end();
}

} // namespace vantorel
