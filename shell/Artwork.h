#pragma once

#include <QWidget>

class QPainter;
class QRectF;

namespace vantorel {

// The program's pictures, drawn rather than shipped: the logo (three number balls and the name) and the
// caption plate of the title screen.
void PaintLogo(QPainter& painter, const QRectF& area);
void PaintCaptionPlate(QPainter& painter, const QRectF& area, const QString& caption);
// The title screen of the main window: black, with the logo and the "Double-Clickable Window" caption
// centred.
void PaintTitleScreen(QPainter& painter, const QRect& clientArea);

// A widget that shows the logo on a dark banner (Setup page, "Deja View", About dialog).
class LogoBanner final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LogoBanner)

public:
    explicit LogoBanner(QWidget* parent = nullptr, int height = 56);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantorel
