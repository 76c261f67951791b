#include "shell/ResultListPrinting.h"

#include "platform/GameCatalogue.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <array>
#include <string_view>

namespace vantorel {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMargin = 720.0;
constexpr double kFirstLineDepth = 1600.0;
constexpr double kLineStep = 280.0;
constexpr int kPrintPointSize = 10;

// Printer device coordinates of a point given in twips to the right of and below the top-left corner.
QPointF FromTwips(const QPrinter& printer, double right, double down) {
    return {right * printer.logicalDpiX() / kTwipsPerInch, down * printer.logicalDpiY() / kTwipsPerInch};
}

// Draws text whose top-left corner lies at the point, as the platform's text output places it.
void DrawTextAt(QPainter& painter, QPointF topLeft, const std::string& text) {
    topLeft.ry() += QFontMetricsF(painter.font(), painter.device()).ascent();
    painter.drawText(topLeft, QString::fromStdString(text));
}

void PrintPage(QPrinter& printer, QPainter& painter, const std::string& pageText, int printGame,
               int pageNumber) {
    DrawTextAt(painter, FromTwips(printer, kMargin, kMargin), PrintHeading(printGame, pageNumber));
    double depth = kFirstLineDepth;
    std::string_view rest = pageText;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        DrawTextAt(painter, FromTwips(printer, kMargin, depth), std::string(rest.substr(0, end)));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        depth += kLineStep;
    }
}

} // namespace

std::vector<std::string> SplitIntoPrintPages(const std::vector<std::string>& lines) {
    std::vector<std::string> pages;
    std::string current;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        current += lines[i];
        current += '\n';
        const bool pageFull = i > 0 && i % kLaterPrintPageLines == 0;
        if (pageFull || i + 1 == lines.size()) {
            pages.push_back(std::move(current));
            current.clear();
        }
    }
    return pages;
}

std::string PrintHeading(int printGame, int pageNumber) {
    const std::string_view game = GameOf(printGame).name;
    return "VanTorel " + std::string(game) + " Game Statistics - Page No. " + std::to_string(pageNumber) +
           " of the List";
}

bool PrintPages(QPrinter& printer, QPainter& painter, const std::vector<std::string>& pageTexts,
                int printGame, int firstPage, int lastPage) {
    QFont font = painter.font();
    font.setPointSize(kPrintPointSize);
    painter.setFont(font);
    for (int page = firstPage; page <= lastPage; ++page) {
        if (page > firstPage && !printer.newPage()) {
            return false;
        }
        PrintPage(printer, painter, pageTexts[static_cast<std::size_t>(page - 1)], printGame, page);
    }
    return true;
}

} // namespace vantorel
