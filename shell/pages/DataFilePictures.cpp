// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/DataFilePictures.h"

#include "shell/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace vantorel {

namespace {

constexpr char kProcessingWord[] = "Processing";
constexpr char kCompletedWords[] = "Operation Completed";
constexpr char kNewDataWords[] = "The New Data is Now Available";
constexpr char kWarningWord[] = "Warning";
constexpr char kExistingEntryWords[] =
    "Vantorel has determined that you already have an entry for this game type in the file !";
constexpr char kDamageWords[] = "Continuing Will Cause Data Damage or Loss";
constexpr char kBackupTitleWords[] = "Datafile Backup";
constexpr char kBackupPromptWords[] = "Click the appropriate button to backup or restore your data file.";

const QColor kPlateColour(30, 30, 60);
const QColor kPlateEdge(214, 150, 20);
const QColor kGold(255, 236, 150);
const QColor kAmber(255, 170, 20);
const QColor kGreen(40, 170, 70);
const QColor kWarningRed(190, 20, 20);

QSize PictureSize(DataFilePicture picture) {
    switch (picture) {
    case DataFilePicture::kProcessing:
    case DataFilePicture::kProcessingOff:
    case DataFilePicture::kCompleted:
        return {300, 64};
    case DataFilePicture::kExistingHistoryWarning:
        return {480, 150};
    case DataFilePicture::kBackupTitle:
        return {400, 60};
    case DataFilePicture::kBackupPrompt:
        return {400, 48};
    }
    return {};
}

// The words a picture shows, for screen readers.
QString PictureWords(DataFilePicture picture) {
    const auto words = [](std::initializer_list<const char*> parts) {
        QStringList joined;
        for (const char* part : parts) {
            joined.append(QString::fromLatin1(part));
        }
        return joined.join(QStringLiteral(". "));
    };
    switch (picture) {
    case DataFilePicture::kProcessing:
        return words({kProcessingWord});
    case DataFilePicture::kProcessingOff:
        return {};
    case DataFilePicture::kCompleted:
        return words({kCompletedWords, kNewDataWords});
    case DataFilePicture::kExistingHistoryWarning:
        return words({kWarningWord, kExistingEntryWords, kDamageWords});
    case DataFilePicture::kBackupTitle:
        return words({"Vantorel", kBackupTitleWords});
    case DataFilePicture::kBackupPrompt:
        return words({kBackupPromptWords});
    }
    return {};
}

void PaintPlate(QPainter& painter, const QRectF& area) {
    painter.setPen(QPen(kPlateEdge, 2));
    painter.setBrush(kPlateColour);
    painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), 8, 8);
}

// A round lamp; an unlit lamp is dark glass.
void PaintLamp(QPainter& painter, const QPointF& centre, qreal radius, const QColor& colour, bool lit) {
    QRadialGradient glass(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    const QColor base = lit ? colour : QColor(70, 70, 80);
    glass.setColorAt(0.0, base.lighter(lit ? 190 : 130));
    glass.setColorAt(0.5, base);
    glass.setColorAt(1.0, base.darker(230));
    painter.setPen(QPen(QColor(10, 10, 20), 1.5));
    painter.setBrush(glass);
    painter.drawEllipse(centre, radius, radius);
}

QFont SizedFont(const QPainter& painter, int pixelSize, bool bold) {
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Draws one line of text in the font of `pixelSize`, made smaller where the line would not fit `area`.
void DrawFittedLine(QPainter& painter, const QRectF& area, int flags, const QString& text, int pixelSize,
                    bool bold) {
    constexpr int kSmallestPixelSize = 8;
    QFont font = SizedFont(painter, pixelSize, bold);
    while (font.pixelSize() > kSmallestPixelSize &&
           QFontMetricsF(font).horizontalAdvance(text) > area.width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    painter.drawText(area, flags, text);
}

// The plate of the progress light: the lamp on the left, the word beside it while it is lit.
void PaintProgressLight(QPainter& painter, const QRectF& area, bool lit) {
    PaintPlate(painter, area);
    const qreal radius = area.height() * 0.28;
    PaintLamp(painter, QPointF(area.left() + area.height() / 2, area.center().y()), radius, kAmber, lit);
    if (!lit) {
        return;
    }
    painter.setPen(kAmber);
    DrawFittedLine(painter, area.adjusted(area.height(), 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromLatin1(kProcessingWord), static_cast<int>(area.height() * 0.36), true);
}

void PaintCheckMark(QPainter& painter, const QPointF& centre, qreal radius) {
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-radius * 0.5, 0));
    tick.lineTo(centre + QPointF(-radius * 0.12, radius * 0.4));
    tick.lineTo(centre + QPointF(radius * 0.55, -radius * 0.45));
    painter.setPen(QPen(Qt::white, radius * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
}

void PaintCompleted(QPainter& painter, const QRectF& area) {
    PaintPlate(painter, area);
    const qreal radius = area.height() * 0.3;
    const QPointF lamp(area.left() + area.height() / 2, area.center().y());
    PaintLamp(painter, lamp, radius, kGreen, true);
    PaintCheckMark(painter, lamp, radius);
    const QRectF text = area.adjusted(area.height(), 6, -8, -6);
    const qreal half = text.height() / 2;
    painter.setPen(kGold);
    DrawFittedLine(painter, QRectF(text.left(), text.top(), text.width(), half),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kCompletedWords),
                   static_cast<int>(area.height() * 0.28), true);
    DrawFittedLine(painter, QRectF(text.left(), text.top() + half, text.width(), half),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kNewDataWords),
                   static_cast<int>(area.height() * 0.22), false);
}

void PaintWarningSign(QPainter& painter, const QRectF& area) {
    QPainterPath triangle;
    triangle.moveTo(area.center().x(), area.top());
    triangle.lineTo(area.right(), area.bottom());
    triangle.lineTo(area.left(), area.bottom());
    triangle.closeSubpath();
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 205, 0));
    painter.drawPath(triangle);
    painter.setFont(SizedFont(painter, static_cast<int>(area.height() * 0.6), true));
    painter.setPen(Qt::black);
    painter.drawText(area.adjusted(0, area.height() * 0.2, 0, 0), Qt::AlignCenter, QStringLiteral("!"));
}

void PaintExistingHistoryWarning(QPainter& painter, const QRectF& area) {
    painter.setPen(QPen(kWarningRed, 2));
    painter.setBrush(QColor(255, 250, 235));
    painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), 8, 8);
    const qreal sign = std::min(area.height() * 0.55, 80.0);
    PaintWarningSign(painter, QRectF(area.left() + 14, area.center().y() - sign / 2, sign, sign * 0.9));

    const QRectF text = area.adjusted(sign + 30, 10, -12, -10);
    painter.setPen(kWarningRed);
    const QRectF title(text.left(), text.top(), text.width(), 32);
    DrawFittedLine(painter, title, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kWarningWord), 26,
                   true);
    painter.setPen(Qt::black);
    painter.setFont(SizedFont(painter, 13, false));
    const QRectF body(text.left(), title.bottom() + 4, text.width(), text.height() - title.height() - 34);
    painter.drawText(body, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromLatin1(kExistingEntryWords));
    painter.setPen(kWarningRed);
    DrawFittedLine(painter, QRectF(text.left(), text.bottom() - 26, text.width(), 26),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kDamageWords), 14, true);
}

void PaintBackupTitle(QPainter& painter, const QRectF& area) {
    QLinearGradient night(area.topLeft(), area.bottomLeft());
    night.setColorAt(0.0, QColor(20, 20, 50));
    night.setColorAt(1.0, QColor(0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(night);
    painter.drawRoundedRect(area, 6, 6);
    const qreal logoWidth = area.width() * 0.36;
    PaintLogo(painter, QRectF(area.left() + 6, area.top() + 6, logoWidth, area.height() - 12));
    painter.setPen(kGold);
    DrawFittedLine(painter, area.adjusted(logoWidth + 14, 0, -8, 0), Qt::AlignCenter,
                   QString::fromLatin1(kBackupTitleWords), static_cast<int>(area.height() * 0.34), true);
}

void PaintBackupPrompt(QPainter& painter, const QRectF& area) {
    painter.setPen(QPen(kPlateEdge, 1.5));
    painter.setBrush(QColor(255, 250, 235));
    painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), 6, 6);
    painter.setPen(Qt::black);
    painter.setFont(SizedFont(painter, 13, false));
    painter.drawText(area.adjusted(10, 4, -10, -4), Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromLatin1(kBackupPromptWords));
}

// The picture's painter, by picture.
void PaintPicture(DataFilePicture picture, QPainter& painter, const QRectF& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    switch (picture) {
    case DataFilePicture::kProcessing:
        PaintProgressLight(painter, area, true);
        break;
    case DataFilePicture::kProcessingOff:
        PaintProgressLight(painter, area, false);
        break;
    case DataFilePicture::kCompleted:
        PaintCompleted(painter, area);
        break;
    case DataFilePicture::kExistingHistoryWarning:
        PaintExistingHistoryWarning(painter, area);
        break;
    case DataFilePicture::kBackupTitle:
        PaintBackupTitle(painter, area);
        break;
    case DataFilePicture::kBackupPrompt:
        PaintBackupPrompt(painter, area);
        break;
    }
}

} // namespace

DrawnPicture::DrawnPicture(DataFilePicture picture, QWidget* parent)
    : QWidget(parent), picture_(picture),
      cached_([picture](QPainter& painter, const QRectF& area) { PaintPicture(picture, painter, area); }) {
    setFixedSize(PictureSize(picture));
    setAccessibleName(PictureWords(picture));
}

QSize DrawnPicture::sizeHint() const {
    return PictureSize(picture_);
}

void DrawnPicture::paintEvent(QPaintEvent*) {
    cached_.PaintOn(*this);
}

} // namespace vantorel
