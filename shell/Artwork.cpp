// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace vantorel {

namespace {

constexpr std::array<QRgb, 3> kLogoBallColours = {0xffd62828, 0xfff7b32b, 0xff2a7de1};
constexpr std::array<char, 3> kLogoBallDigits = {'3', '4', '7'};
// Lotto balls take their colour from their tens (1..9, 10..19, ... 90..99), digit balls from their digit.
// Red is kept for the Power Ball.
constexpr std::array<QRgb, 10> kTensColours = {0xfff7b32b, 0xff2a7de1, 0xffd6458f, 0xff7a7a7a, 0xff2e9e48,
                                               0xff8e44ad, 0xffe67e22, 0xff16a3a3, 0xff8d5a2b, 0xff9a9a20};
constexpr QRgb kPowerBallColour = 0xffc0182a;

// A shiny ball with a white disc in the middle that carries the label.
void PaintBall(QPainter& painter, const QPointF& centre, qreal radius, QColor colour, const QString& label) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    shine.setColorAt(0.0, colour.lighter(170));
    shine.setColorAt(0.5, colour);
    shine.setColorAt(1.0, colour.darker(220));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(centre, radius * 0.56, radius * 0.56);
    if (!label.isEmpty()) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(std::max(1, static_cast<int>(radius * (label.size() > 1 ? 0.62 : 0.75))));
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                         Qt::AlignCenter, label);
    }
    painter.restore();
}

void PaintBallInBox(QPainter& painter, const QRectF& box, QColor colour, const QString& label) {
    const qreal radius = std::min(box.width(), box.height()) / 2;
    PaintBall(painter, box.center(), radius, colour, label);
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
    for (std::size_t i = 0; i < kLogoBallColours.size(); ++i) {
        const QPointF centre(kRadius + static_cast<qreal>(i) * kBallStep, kHeight / 2);
        PaintBall(painter, centre, kRadius, QColor::fromRgb(kLogoBallColours[i]),
                  QString(QLatin1Char(kLogoBallDigits[i])));
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

void PaintLottoBall(QPainter& painter, const QRectF& box, int number) {
    const bool drawable = number >= kLowestBallPicture && number <= kHighestBallPicture;
    const QColor colour = drawable ? QColor::fromRgb(kTensColours[static_cast<std::size_t>(number / 10)])
                                   : QColor(Qt::lightGray);
    PaintBallInBox(painter, box, colour, drawable ? QString::number(number) : QString());
}

void PaintPowerBall(QPainter& painter, const QRectF& box, int number) {
    const bool drawable = number >= kLowestBallPicture && number <= kHighestBallPicture;
    PaintBallInBox(painter, box, QColor::fromRgb(kPowerBallColour),
                   drawable ? QString::number(number) : QString());
}

void PaintDigitBall(QPainter& painter, const QRectF& box, int digit) {
    const bool drawable = digit >= 0 && digit <= 9;
    const QColor colour =
        drawable ? QColor::fromRgb(kTensColours[static_cast<std::size_t>(digit)]) : QColor(Qt::lightGray);
    PaintBallInBox(painter, box, colour, drawable ? QString::number(digit) : QString());
}

void PaintPlusSign(QPainter& painter, const QRectF& box) {
    const qreal arm = std::min(box.width(), box.height()) * 0.36;
    const qreal thickness = arm * 0.55;
    const QPointF centre = box.center();
    QPainterPath plus;
    plus.setFillRule(Qt::WindingFill);
    plus.addRect(centre.x() - arm, centre.y() - thickness / 2, 2 * arm, thickness);
    plus.addRect(centre.x() - thickness / 2, centre.y() - arm, thickness, 2 * arm);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 50, 0), 1.5));
    painter.setBrush(QColor(247, 179, 43));
    painter.drawPath(plus.simplified());
    painter.restore();
}

void CachedPicture::Prepare(const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    if (!pixmap_.isNull() && pixmap_.size() == widget.size() * ratio && pixmap_.devicePixelRatio() == ratio &&
        font_ == widget.font()) {
        return;
    }
    font_ = widget.font();
    pixmap_ = QPixmap(widget.size() * ratio);
    pixmap_.setDevicePixelRatio(ratio);
    pixmap_.fill(Qt::transparent);
    QPainter painter(&pixmap_);
    // What a painter on the widget starts with.
    painter.setFont(QFont(font_, &pixmap_));
    painter.setPen(QPen(widget.palette().brush(widget.foregroundRole()), 1));
    paint_(painter, QRectF(QPointF(0, 0), QSizeF(widget.size())));
}

void CachedPicture::PaintOn(QWidget& widget) {
    Prepare(widget);
    QPainter(&widget).drawPixmap(0, 0, pixmap_);
}

LogoBanner::LogoBanner(QWidget* parent, int height)
    : QWidget(parent), picture_([](QPainter& painter, const QRectF& area) {
          painter.setRenderHint(QPainter::Antialiasing);
          QLinearGradient night(0, 0, 0, area.height());
          night.setColorAt(0.0, QColor(20, 20, 50));
          night.setColorAt(1.0, QColor(0, 0, 0));
          painter.setPen(Qt::NoPen);
          painter.setBrush(night);
          painter.drawRoundedRect(area, 6, 6);
          PaintLogo(painter, area.adjusted(8, 4, -8, -4));
      }) {
    setObjectName(QStringLiteral("logoBanner"));
    setFixedHeight(height);
    setMinimumWidth(height * 4);
}

void LogoBanner::paintEvent(QPaintEvent*) {
    picture_.PaintOn(*this);
}

} // namespace vantorel
