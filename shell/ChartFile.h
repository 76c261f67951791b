// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
class QRectF;

namespace vantorel {

struct ChartPicture;

enum class ChartFileFormat { Png, Svg };

// The picture format a file name asks for by its suffix (".png" or ".svg", in any case); nothing for
// another name.
std::optional<ChartFileFormat> ChartFileFormatOf(const QString& path);

// Writes the picture as the window of `size` (in logical pixels) shows it: a PNG at `pixelRatio` device
// pixels per logical pixel, or an SVG drawing of that size. The file is replaced only once the whole
// picture is written; false when it could not be written.
bool WriteChartFile(const ChartPicture& picture, QSize size, qreal pixelRatio, const QString& path,
                    ChartFileFormat format);

// The same for any picture: `paint` draws it into the rectangle it is given (the Statistics window's charts
// render their views).
using PaintPicture = std::function<void(QPainter& painter, const QRectF& area)>;
bool WritePictureFile(const PaintPicture& paint, QSize size, qreal pixelRatio, const QString& path,
                      ChartFileFormat format);

} // namespace vantorel
