// SPDX-License-Identifier: GPL-3.0-or-later
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

void PrintOnePage(QPrinter& printer, QPainter& painter, const PrintPage& page, int pageNumber) {
    DrawTextAt(painter, FromTwips(printer, kMargin, kMargin), PrintHeading(page.game, pageNumber));
    double depth = kFirstLineDepth;
    std::string_view rest = page.text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        DrawTextAt(painter, FromTwips(printer, kMargin, depth), std::string(rest.substr(0, end)));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        depth += kLineStep;
    }
}

} // namespace

std::vector<PrintPage> SplitIntoPrintPages(const std::vector<std::string>& lines,
                                           const std::vector<std::optional<GameType>>& games,
                                           GameType fallback) {
    std::vector<PrintPage> pages;
    int onPage = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // A line about no game stays under the game of the line before it.
        const GameType previous = pages.empty() ? fallback : pages.back().game;
        const GameType game = i < games.size() && games[i] ? *games[i] : previous;
        // The page being filled is the first one, or a later one.
        const int capacity = pages.size() == 1 ? kFirstPrintPageLines : kLaterPrintPageLines;
        if (pages.empty() || onPage == capacity || pages.back().game != game) {
            pages.push_back({{}, game});
            onPage = 0;
        }
        pages.back().text.append(lines[i]).append(1, '\n');
        ++onPage;
    }
    return pages;
}

std::string PrintHeading(int game, int pageNumber) {
    return "VanTorel " + std::string(GameOf(game).name) + " Game Statistics - Page No. " +
           std::to_string(pageNumber) + " of the List";
}

bool PrintPages(QPrinter& printer, QPainter& painter, const std::vector<PrintPage>& pages, int firstPage,
                int lastPage) {
    QFont font = painter.font();
    font.setPointSize(kPrintPointSize);
    painter.setFont(font);
    for (int page = firstPage; page <= lastPage; ++page) {
        if (page > firstPage && !printer.newPage()) {
            return false;
        }
        PrintOnePage(printer, painter, pages[static_cast<std::size_t>(page - 1)], page);
    }
    return true;
}

} // namespace vantorel
