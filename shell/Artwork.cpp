#include "shell/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace vantorel {

namespace {

constexpr std::array<QRgb, 3> kBallColours = {0xffd62828, 0xfff7b32b, 0xff2a7de1};
constexpr std::array<char, 3> kBallDigits = {'3', '4', '7'};

void PaintBall(QPainter& painter, const QPointF& centre, qreal radius, QColor colour, QChar digit) {
    QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    shine.setColorAt(0.0, colour.lighter(170));
    shine.setColorAt(0.5, colour);
    shine.setColorAt(1.0, colour.darker(220));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(centre, radius * 0.52, radius * 0.52);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(radius * 0.75));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                     Qt::AlignCenter, QString(digit));
}

} // namespace

void PaintLogo(QPainter& painter, const QRectF& area) {
    // Drawn in design units (balls of radius 40 on a line 100 high), then scaled to fit the area.
    constexpr qreal kRadius = 40;
    constexpr qreal kBallStep = 90;
    constexpr qreal kTextLeft = 3 * kBallStep + 10;
    constexpr qreal kHeight = 100;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(76);
    const QString name = QStringLiteral("VanTorel");
    QPainterPath text;
    text.addText(QPointF(kTextLeft, kHeight / 2 + QFontMetricsF(font).ascent() * 0.36), font, name);
    const qreal width = text.boundingRect().right() + 8;
    const qreal scale = std::min(area.width() / width, area.height() / kHeight);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.center().x() - width * scale / 2, area.center().y() - kHeight * scale / 2);
    painter.scale(scale, scale);
    for (std::size_t i = 0; i < kBallColours.size(); ++i) {
        const QPointF centre(kRadius + static_cast<qreal>(i) * kBallStep, kHeight / 2);
        PaintBall(painter, centre, kRadius, QColor::fromRgb(kBallColours[i]), QLatin1Char(kBallDigits[i]));
    }
    QLinearGradient gold(text.boundingRect().topLeft(), text.boundingRect().bottomLeft());
    gold.setColorAt(0.0, QColor(255, 236, 150));
    gold.setColorAt(1.0, QColor(214, 150, 20));
    painter.setPen(QPen(QColor(90, 50, 0), 2.5));
    painter.setBrush(gold);
    painter.drawPath(text);
    painter.restore();
}

void PaintCaptionPlate(QPainter& painter, const QRectF& area, const QString& caption) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(214, 150, 20), 2));
    painter.setBrush(QColor(30, 30, 60));
    painter.drawRoundedRect(area, 8, 8);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, static_cast<int>(area.height() * 0.45)));
    painter.setFont(font);
    painter.setPen(QColor(255, 236, 150));
    painter.drawText(area, Qt::AlignCenter, caption);
    painter.restore();
}

void PaintTitleScreen(QPainter& painter, const QRect& clientArea) {
    painter.fillRect(clientArea, Qt::black);
    const qreal logoWidth = std::min<qreal>(clientArea.width() * 0.8, 520);
    const qreal logoHeight = logoWidth / 5;
    const QPointF centre = QRectF(clientArea).center();
    const QRectF logo(centre.x() - logoWidth / 2, centre.y() - logoHeight, logoWidth, logoHeight);
    PaintLogo(painter, logo);
    const qreal plateWidth = logoWidth * 0.6;
    const QRectF plate(centre.x() - plateWidth / 2, centre.y() + logoHeight * 0.35, plateWidth,
                       logoHeight * 0.45);
    PaintCaptionPlate(painter, plate, QStringLiteral("Double-Clickable Window"));
}

LogoBanner::LogoBanner(QWidget* parent, int height) : QWidget(parent) {
    setObjectName(QStringLiteral("logoBanner"));
    setFixedHeight(height);
    setMinimumWidth(height * 4);
}

void LogoBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, height());
    night.setColorAt(0.0, QColor(20, 20, 50));
    night.setColorAt(1.0, QColor(0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(night);
    painter.drawRoundedRect(rect(), 6, 6);
    PaintLogo(painter, QRectF(rect()).adjusted(8, 4, -8, -4));
}

} // namespace vantorel
