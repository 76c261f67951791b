#pragma once

#include <QRectF>

class QPainter;

namespace vantorel {

struct ChartPicture;
struct LottoPickRow;

// The chart view's drawing, for the screen, the printer, PNG and SVG alike. The chart is laid out in
// logical units on a canvas of kChartCanvasWidth x kChartCanvasHeight, which painting scales uniformly to
// fill the target and centres in it; the target's background is filled around it. Nothing is drawn
// outside the target. Layers, each drawn when its data is there: the title screen (no distribution), the
// lotto frequency chart, the digit distribution chart, the picks.
class ChartPainter final {
public:
    static constexpr int kChartCanvasWidth = 480;
    static constexpr int kChartCanvasHeight = 280;

    ChartPainter(QPainter& painter, const ChartPicture& picture);

    void Paint(const QRectF& target);

private:
    bool ShowsTitleScreen() const;
    bool ShowsDigitPicks(int game) const;
    // The logo and its caption, centred in the room above the picks.
    void PaintTitleScreen(int game);
    void PaintLottoChart(int game);
    // Group-1 bars (and for Power Ball the group-2 bars) with their hottest texts.
    void PaintLottoBars(int game, int slotWidth);
    void PaintBallAxis(int maximum, int slotWidth);
    void PaintDigitChart();
    void PaintLottoPicks(const LottoPickRow& row);
    void PaintDigitPicks(int game);

    QPainter& painter_;
    const ChartPicture& picture_;
};

} // namespace vantorel
