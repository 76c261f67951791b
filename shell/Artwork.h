// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <utility>

class QPainter;
class QRectF;

namespace vantorel {

// The program's pictures, drawn rather than shipped: the logo (three number balls and the name) and the
// caption plate of the title screen.
void PaintLogo(QPainter& painter, const QRectF& area);
void PaintCaptionPlate(QPainter& painter, const QRectF& area, const QString& caption);

// Ball pictures, each filling the square box: a lotto ball with its number, a Power Ball, a digit ball. A
// number without a picture (outside 1..99, or 0..9 for digits) gives a blank grey ball.
inline constexpr int kLowestBallPicture = 1;
inline constexpr int kHighestBallPicture = 99;
void PaintLottoBall(QPainter& painter, const QRectF& box, int number);
void PaintPowerBall(QPainter& painter, const QRectF& box, int number);
void PaintDigitBall(QPainter& painter, const QRectF& box, int digit);
// The plus sign that stands between the first-group picks and the Power Ball.
void PaintPlusSign(QPainter& painter, const QRectF& box);

// A widget's picture, painted once into a pixmap at the widget's size, pixel ratio and font and copied from
// there on every repaint: a whole window repainted (as when the sheet is disabled for long work) then costs
// a copy for it, not the gradients and the text again. The picture sets its own colours: it does not
// follow the palette (nor look disabled).
class CachedPicture final {
public:
    using Painter = std::function<void(QPainter& painter, const QRectF& area)>;
    explicit CachedPicture(Painter paint) : paint_(std::move(paint)) {}

    // Paints the picture ahead, so that the first time it is shown costs no more than a copy.
    void Prepare(const QWidget& widget);
    // From the widget's paintEvent.
    void PaintOn(QWidget& widget);

private:
    Painter paint_;
    QPixmap pixmap_;
    QFont font_;
};

// A widget that shows the logo on a dark banner (Setup page, "Deja View", About dialog).
class LogoBanner final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LogoBanner)

public:
    explicit LogoBanner(QWidget* parent = nullptr, int height = 56);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CachedPicture picture_;
};

} // namespace vantorel
