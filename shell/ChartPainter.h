// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace vantorel {

struct ChartPicture;
struct LottoPickRow;

// The round values a value axis marks for bars scaled to `largest`: 0 and every multiple of the step up to
// `largest`, the step being the smallest of 1, 2, 5, 10, 20, 50 ... that leaves at most `mostSteps` steps.
// Only 0 when `largest` is not positive.
std::vector<int> ValueAxisTicks(int largest, int mostSteps = 5);

// The line under a lotto chart that says which drawn numbers lie above the game's maximums and are
// therefore not drawn ("Not shown, above the maximum of 26: Power Balls 27 to 42 (16 numbers, drawn 95
// times)"); empty when there are none.
QString OutsideMaximumsNote(const ChartPicture& picture);

// The one-line caption under Random and Best Guess picks, naming the game and the operation ("5 Number
// Game: Random"); empty when no picks are shown.
QString PickCaption(const ChartPicture& picture);

// The key of the main window's "Operations..." entry, which opens the operations sheet as a double-click on
// the chart does, in portable form.
inline constexpr char kOperationsShortcut[] = "Ctrl+Shift+O";
// Where the main window's menus hold "Operations...".
inline constexpr char kOperationsMenuPath[] = "Tools > Operations...";

// The title screen's hint: both ways to open the operations sheet.
QString TitleScreenHint();

// The chart view's drawing, for the screen, the printer, PNG and SVG alike. The chart is laid out in
// logical units on a canvas of kChartCanvasWidth x kChartCanvasHeight, which painting scales uniformly to
// fill the target and centres in it; the target's background is filled around it. Nothing is drawn
// outside the target. Layers, each drawn when its data is there: the title screen (no distribution), the
// lotto frequency chart, the digit distribution chart, the picks with their caption. Every bar chart has
// value axes with round ticks; Power Ball draws its second group in a band of its own under the first.
class ChartPainter final {
public:
    static constexpr int kChartCanvasWidth = 480;
    static constexpr int kChartCanvasHeight = 280;

    ChartPainter(QPainter& painter, const ChartPicture& picture);

    void Paint(const QRectF& target);

private:
    bool ShowsTitleScreen() const;
    bool ShowsDigitPicks(int game) const;
    // The logo, its caption and the hint, centred in the room above the picks.
    void PaintTitleScreen(int game);
    void PaintLottoChart(int game);
    void PaintDigitChart();
    void PaintLottoPicks(const LottoPickRow& row);
    void PaintDigitPicks(int game);
    void PaintPickCaption(qreal top);

    QPainter& painter_;
    const ChartPicture& picture_;
};

} // namespace vantorel
