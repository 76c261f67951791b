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
    font.setPixelSize(std::max(6, static_cast<int>(radius * 0.75)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
                     QString(digit));
}

} // namespace

void PaintLogo(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = std::min(area.height() * 0.42, area.width() / 12);
    const qreal ballsWidth = radius * 2 * 3 + radius * 0.5;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(std::max(8, static_cast<int>(radius * 1.9)));
    const QString name = QStringLiteral("VanTorel");
    const qreal nameWidth = QFontMetricsF(font).horizontalAdvance(name);
    const qreal left = area.center().x() - (ballsWidth + radius + nameWidth) / 2;
    for (std::size_t i = 0; i < kBallColours.size(); ++i) {
        const QPointF centre(left + radius + static_cast<qreal>(i) * radius * 2.25, area.center().y());
        PaintBall(painter, centre, radius, QColor::fromRgb(kBallColours[i]), QLatin1Char(kBallDigits[i]));
    }
    QPainterPath text;
    text.addText(QPointF(left + ballsWidth + radius, area.center().y() + QFontMetricsF(font).ascent() * 0.38), font,
                 name);
    QLinearGradient gold(text.boundingRect().topLeft(), text.boundingRect().bottomLeft());
    gold.setColorAt(0.0, QColor(255, 236, 150));
    gold.setColorAt(1.0, QColor(214, 150, 20));
    painter.setPen(QPen(QColor(90, 50, 0), std::max<qreal>(1.0, radius / 14)));
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
    const QRectF plate(centre.x() - plateWidth / 2, centre.y() + logoHeight * 0.35, plateWidth, logoHeight * 0.45);
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
