// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChartFile.h"

#include "shell/ChartPainter.h"
#include "shell/ChartPicture.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace vantorel {

namespace {

bool WritePng(const PaintPicture& paint, QSize size, qreal pixelRatio, QSaveFile& file) {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * pixelRatio)),
                       static_cast<int>(std::ceil(size.height() * pixelRatio)));
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    image.setDevicePixelRatio(pixelRatio);
    {
        QPainter painter(&image);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image.save(&file, "PNG");
}

bool WriteSvg(const PaintPicture& paint, QSize size, QSaveFile& file) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("VanTorel chart"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return painter.end();
}

} // namespace

std::optional<ChartFileFormat> ChartFileFormatOf(const QString& path) {
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return ChartFileFormat::Png;
    }
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return ChartFileFormat::Svg;
    }
    return std::nullopt;
}

bool WriteChartFile(const ChartPicture& picture, QSize size, qreal pixelRatio, const QString& path,
                    ChartFileFormat format) {
    const PaintPicture paint = [&picture](QPainter& painter, const QRectF& area) {
        ChartPainter(painter, picture).Paint(area);
    };
    return WritePictureFile(paint, size, pixelRatio, path, format);
}

bool WritePictureFile(const PaintPicture& paint, QSize size, qreal pixelRatio, const QString& path,
                      ChartFileFormat format) {
    if (size.isEmpty() || pixelRatio <= 0) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const bool written = format == ChartFileFormat::Png ? WritePng(paint, size, pixelRatio, file)
                                                        : WriteSvg(paint, size, file);
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace vantorel
