// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChartPainter.h"

#include "lotto/LottoOperations.h"
#include "platform/Operations.h"
#include "shell/Artwork.h"
#include "shell/ChartPicture.h"
#include "shell/HandOver.h"
#include "store/HistoryFile.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantorel {

namespace {

constexpr int kCanvasWidth = ChartPainter::kChartCanvasWidth;
constexpr int kCanvasHeight = ChartPainter::kChartCanvasHeight;
constexpr int kCentreX = kCanvasWidth / 2;
constexpr int kCentreY = kCanvasHeight / 2;

constexpr QRgb kViolet = qRgb(128, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 128);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kGreen = qRgb(0, 255, 128);
constexpr QRgb kTitleColour = qRgb(0, 0, 128);

// Text sizes in logical units.
constexpr int kTitlePixels = 14;
constexpr int kTextPixels = 12;
constexpr int kAxisPixels = 10;
constexpr int kRowLabelPixels = 10;
constexpr int kSmallestTextPixels = 6;

// The value axes: round counts marked left of the bars (lotto) or above and below them (digits).
constexpr int kValueLabelPixels = 9;
constexpr int kTickLength = 3;
constexpr QRgb kAxisColour = qRgb(90, 90, 90);
constexpr QRgb kGridColour = qRgb(222, 222, 222);

// The lotto frequency chart.
constexpr QPointF kLottoGameTitleAt(55, 3);
constexpr QPointF kDistributionTitleAt(205, 3);
constexpr QPointF kHottestBallAt(23, 22);
constexpr QPointF kSixNumberHottestBallAt(151, 22);
constexpr QPointF kHottestPowerballAt(233, 22);
// Bars share the room right of the value axis; ball b's slot starts at kBarsLeft + (b - 1) x slot width.
constexpr int kBarsLeft = 38;
constexpr int kBarsRoom = kCanvasWidth - 4 - kBarsLeft;
constexpr int kValueAxisX = kBarsLeft - 2;
constexpr int kFiveNumberBarGap = 6;
constexpr int kBarGap = 2;
// The narrowest bar that still shows its colour inside the outline.
constexpr int kNarrowestColouredBar = 3;
// Ball numbers are written under every fifth ball (under every ball of a group of fewer than ten).
constexpr int kBallLabelStep = 5;
constexpr int kBallLabelGap = 2;
constexpr int kNoteTop = 265;
constexpr int kNotePixels = 9;
constexpr QRgb kNoteColour = qRgb(150, 0, 0);

// A band of bars: the bars stand on the row above `baseline` and the tallest reaches `top`.
struct Band {
    int top;
    int baseline;

    constexpr int room() const { return baseline - 1 - top; }
    constexpr int labelsTop() const { return baseline + kBallLabelGap; }
};
constexpr Band kLottoBand{38, 250};
// Power Ball: the first group above, the Power Balls in a band of their own under it.
constexpr Band kFirstGroupBand{38, 160};
constexpr Band kPowerBallBand{188, 248};

constexpr std::string_view kHottestBallText = "Hottest Ball is %d (in red)";
constexpr std::string_view kHottestPowerballText = "Hottest Powerball is %d (in green)";

// The digit distribution chart: ten rows between an axis of the digit counts (thin green bars) above them
// and an axis of the drawings (thick violet bars) below them.
constexpr int kDigitTitleTop = 3;
constexpr int kDigitGameTitleLeft = kCentreX - 160;
constexpr int kNumbersAndBallsLeft = kCentreX - 10;
constexpr int kRowLabelLeft = 3;
constexpr int kDigitBarsLeft = 84;
constexpr int kDigitBarRoom = kCanvasWidth - 90;
constexpr int kDigitTopAxis = 37;
constexpr int kFirstRowTop = 41;
constexpr int kRowStep = 21;
constexpr int kThickBarHeight = 14;
constexpr int kThinBarOffset = 5;
constexpr int kThinBarHeight = 4;
constexpr int kDigitBottomAxis = kFirstRowTop + 9 * kRowStep + kThickBarHeight + 2;
constexpr QRgb kDigitCountsTextColour = qRgb(0, 128, 64);

// The picks and the notice.
constexpr int kLottoBallSize = 34;
constexpr int kDigitBallSize = 40;
constexpr int kPlusSignWidth = 24;
constexpr int kPickRowTop = kCentreY + 50;
constexpr QRectF kNoticeArea(kCentreX - 120, kCentreY - 13, 240, 26);
constexpr qreal kCaptionGapBelowPicks = 8;
constexpr qreal kPickCaptionHeight = 20;
constexpr qreal kPickCaptionPadding = 24;

// The title screen: the logo above its caption and the hint, centred in the room the picks leave.
constexpr qreal kLogoWidth = 360;
constexpr qreal kLogoHeight = 72;
constexpr qreal kCaptionGap = 10;
constexpr qreal kCaptionWidth = 216;
constexpr qreal kCaptionHeight = 30;
constexpr qreal kHintGap = 8;
constexpr qreal kHintHeight = 14;
constexpr int kHintPixels = 11;
constexpr QRgb kHintColour = qRgb(210, 210, 210);

QFont ChartFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text with its "%d" replaced by the number.
QString WithNumber(std::string_view pattern, int number) {
    std::string text(pattern);
    text.replace(text.find("%d"), 2, std::to_string(number));
    return QString::fromStdString(text);
}

// Writes the text with its top-left corner at `topLeft`, in a font made smaller where needed so that the
// text ends before `right`; returns where it ends.
qreal WriteText(QPainter& painter, QPointF topLeft, const QString& text, QFont font, qreal right,
                QRgb colour = qRgb(0, 0, 0)) {
    while (font.pixelSize() > kSmallestTextPixels &&
           QFontMetricsF(font).horizontalAdvance(text) > right - topLeft.x()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(QRectF(topLeft, QSizeF(right - topLeft.x(), metrics.height())),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return topLeft.x() + metrics.horizontalAdvance(text);
}

// The device pixels a logical rectangle covers, each edge rounded on its own so that neighbouring bars
// meet exactly; at least one pixel each way.
QRect DevicePixels(const QTransform& toDevice, const QRectF& logical) {
    const QRectF mapped = toDevice.mapRect(logical);
    const int left = qRound(mapped.left());
    const int top = qRound(mapped.top());
    const int right = std::max(qRound(mapped.right()), left + 1);
    const int bottom = std::max(qRound(mapped.bottom()), top + 1);
    return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

// A bar with a black outline, one logical unit wide (less on narrow bars) but at least one device pixel,
// aligned on device pixels so that bars stay sharp at every scale.
void PaintBar(QPainter& painter, const QRect& bar, QRgb fill) {
    if (bar.width() <= 0 || bar.height() <= 0) {
        return;
    }
    const QTransform toDevice = painter.worldTransform();
    const QRect device = DevicePixels(toDevice, QRectF(bar));
    // Narrow bars keep a thinner outline, so that their colour still shows.
    const int outline = std::max(1, std::min(static_cast<int>(toDevice.m11()), device.width() / 4));
    painter.save();
    painter.resetTransform();
    painter.fillRect(device, Qt::black);
    const QRect inside = device.adjusted(outline, outline, -outline, -outline);
    if (!inside.isEmpty()) {
        painter.fillRect(inside, QColor::fromRgb(fill));
    }
    painter.restore();
}

// Writes the text centred in `area`, in a font made smaller where needed so that it fits the width.
void WriteCentred(QPainter& painter, const QRectF& area, const QString& text, QFont font, QRgb colour) {
    while (font.pixelSize() > kSmallestTextPixels &&
           QFontMetricsF(font).horizontalAdvance(text) > area.width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
}

// A line one device pixel wide, whatever the scale.
void PaintHairline(QPainter& painter, QPointF from, QPointF to, QRgb colour) {
    painter.save();
    QPen pen(QColor::fromRgb(colour));
    pen.setCosmetic(true);
    pen.setWidth(0);
    painter.setPen(pen);
    painter.drawLine(from, to);
    painter.restore();
}

// `value` of `largest` as a share of `room`, truncated; 0 when there is no largest value.
int ScaledLength(int value, int largest, int room) {
    if (largest <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<std::int64_t>(std::clamp(value, 0, largest)) * room / largest);
}

int CountOf(const std::vector<int>& counts, int ball) {
    return ball >= 0 && ball < static_cast<int>(counts.size()) ? counts[static_cast<std::size_t>(ball)] : 0;
}

// The ball with the largest count, the lowest ball on a tie; 0 when every count is 0.
int HottestBall(const std::vector<int>& counts, int maximum) {
    int hottest = 0;
    int largest = 0;
    for (int ball = 1; ball <= maximum; ++ball) {
        if (CountOf(counts, ball) > largest) {
            hottest = ball;
            largest = CountOf(counts, ball);
        }
    }
    return hottest;
}

// One group of frequency bars in its band: ball b's bar starts at kBarsLeft + (b - 1) x slotWidth.
struct BarGroup {
    const std::vector<int>& counts;
    int maximum;
    Band band;
    int slotWidth;
    int barWidth;
    QRgb colour;
    QRgb hottestColour;
};

// The row a bar of `value` reaches in a band whose tallest bar stands for `largest`.
int ValueRow(const Band& band, int value, int largest) {
    return band.baseline - 1 - ScaledLength(value, largest, band.room());
}

// The value axis left of a band of bars: a round count at each tick, with a light line across the band.
void PaintValueAxis(QPainter& painter, const Band& band, int largest) {
    const QFont font = ChartFont(kValueLabelPixels);
    for (const int tick : ValueAxisTicks(largest)) {
        const qreal row = ValueRow(band, tick, largest) + 0.5;
        if (tick > 0) {
            PaintHairline(painter, QPointF(kBarsLeft, row), QPointF(kBarsLeft + kBarsRoom, row), kGridColour);
        }
        PaintHairline(painter, QPointF(kValueAxisX - kTickLength, row), QPointF(kValueAxisX, row),
                      kAxisColour);
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(kAxisColour));
        const qreal labelRight = kValueAxisX - kTickLength - 1;
        painter.drawText(QRectF(0, row - kValueLabelPixels, labelRight, 2 * kValueLabelPixels),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, QString::number(tick));
    }
    PaintHairline(painter, QPointF(kValueAxisX + 0.5, band.top - 2),
                  QPointF(kValueAxisX + 0.5, band.baseline), kAxisColour);
}

// Paints the group's value axis and bars, its hottest ball in its own colour; returns the hottest ball (0:
// none).
int PaintBarGroup(QPainter& painter, const BarGroup& group) {
    const int hottest = HottestBall(group.counts, group.maximum);
    const int largest = CountOf(group.counts, hottest);
    PaintValueAxis(painter, group.band, largest);
    for (int ball = 1; ball <= group.maximum; ++ball) {
        const int row = ValueRow(group.band, CountOf(group.counts, ball), largest);
        const QRect bar(kBarsLeft + (ball - 1) * group.slotWidth, row, group.barWidth,
                        group.band.baseline - row);
        PaintBar(painter, bar, ball == hottest ? group.hottestColour : group.colour);
    }
    return hottest;
}

// The axis title at the left and the numbers of every fifth ball (of every ball in a group of fewer than
// ten) under their bars, each left out where it would run into the text before it.
void PaintBallAxis(QPainter& painter, const QString& title, const Band& band, int maximum, int slotWidth) {
    constexpr qreal kLabelSpacing = 2;
    const qreal top = band.labelsTop();
    qreal taken = WriteText(painter, QPointF(0, top), title, ChartFont(kAxisPixels, true), kCanvasWidth) +
                  kLabelSpacing;
    const QFont font = ChartFont(kAxisPixels);
    const int step = maximum < 2 * kBallLabelStep ? 1 : kBallLabelStep;
    for (int ball = step; ball <= maximum && slotWidth > 0; ball += step) {
        const qreal left = kBarsLeft + (ball - 1) * slotWidth - 1;
        if (left >= taken) {
            taken = WriteText(painter, QPointF(left, top), QString::number(ball), font, kCanvasWidth) +
                    kLabelSpacing;
        }
    }
}

// A bar leaves `gap` units of its slot free, but stays wide enough to show its colour where the slot
// allows.
int BarWidth(int slotWidth, int gap) {
    return std::max({slotWidth - gap, std::min(slotWidth - 2, kNarrowestColouredBar), 1});
}

// The game maximums the chart draws: balls without a picture (above 99) are not drawn.
int ChartMaximum(int setting) {
    return std::clamp(setting, 0, kHighestBallPicture);
}

int FirstGroupMaximum(int game, const GameSettings& settings) {
    switch (game) {
    case kFiveNumberPage:
        return ChartMaximum(settings.fiveNumberMax);
    case kSixNumberPage:
        return ChartMaximum(settings.sixNumberMax);
    case kPowerballPage:
        return ChartMaximum(settings.powerballGroup1Max);
    default:
        return 0;
    }
}

int PowerballMaximum(int game, const GameSettings& settings) {
    return game == kPowerballPage ? ChartMaximum(settings.powerballGroup2Max) : 0;
}

// The slot of one ball: the room right of the value axis shared by the balls of its group.
int SlotWidth(int balls) {
    return balls > 0 ? kBarsRoom / balls : 0;
}

QString GameTitle(int game) {
    switch (game) {
    case kThreeNumberPage:
        return QStringLiteral("3 Number Game");
    case kFourNumberPage:
        return QStringLiteral("4 Number Game");
    case kFiveNumberPage:
        return QStringLiteral("5 Number Game");
    case kSixNumberPage:
        return QStringLiteral("6 Number Game");
    default:
        return QStringLiteral("Powerball Game");
    }
}

// "000(0) - 099(9)" ... "900(0) - 999(9)": a row of the 3 Number and 4 Number distribution.
QString DigitRowLabel(int row) {
    const QString hundreds = QString::number(row);
    return hundreds + QStringLiteral("00(0) - ") + hundreds + QStringLiteral("99(9)");
}

// The digits of a picked number, left to right: three for 3 Number, four for 4 Number.
std::vector<int> PickedDigits(int game, int pickedNumber) {
    int rest = std::max(pickedNumber, 0);
    std::vector<int> digits(game == kFourNumberPage ? 4 : 3);
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        *digit = rest % 10;
        rest /= 10;
    }
    return digits;
}

// The last non-empty digit series in the chart's order; -1 when every series is empty.
int ShownDigitSeries(const ChartData& chart) {
    int shown = -1;
    for (int i = 0; i < kDigitSeriesCount; ++i) {
        if (chart.digitSeries[static_cast<std::size_t>(i)].sum != 0) {
            shown = i;
        }
    }
    return shown;
}

// The drawn numbers of one group that lie above its maximum.
struct OutsideNumbers {
    int numbers = 0; // how many different numbers
    int drawn = 0;   // how often they were drawn together
    int lowest = 0;
    int highest = 0;
};

OutsideNumbers NumbersAbove(const std::vector<int>& counts, int maximum) {
    OutsideNumbers outside;
    for (int ball = maximum + 1; ball < static_cast<int>(counts.size()); ++ball) {
        const int count = CountOf(counts, ball);
        if (count > 0) {
            outside.lowest = outside.numbers == 0 ? ball : outside.lowest;
            outside.highest = ball;
            ++outside.numbers;
            outside.drawn += count;
        }
    }
    return outside;
}

QString Counted(int count, const char* one, const char* many) {
    return QString::number(count) + QLatin1Char(' ') + QString::fromLatin1(count == 1 ? one : many);
}

// "Power Balls 27 to 42 (16 numbers, drawn 95 times)", "ball 52 (drawn 3 times)".
QString OutsidePhrase(const OutsideNumbers& outside, const char* one, const char* many) {
    const QString drawn = QStringLiteral("drawn ") + Counted(outside.drawn, "time", "times");
    if (outside.numbers == 1) {
        return QString::fromLatin1(one) + QLatin1Char(' ') + QString::number(outside.lowest) +
               QStringLiteral(" (") + drawn + QLatin1Char(')');
    }
    return QString::fromLatin1(many) + QLatin1Char(' ') + QString::number(outside.lowest) +
           QStringLiteral(" to ") + QString::number(outside.highest) + QStringLiteral(" (") +
           Counted(outside.numbers, "number", "numbers") + QStringLiteral(", ") + drawn + QLatin1Char(')');
}

} // namespace

std::vector<int> ValueAxisTicks(int largest, int mostSteps) {
    if (largest <= 0) {
        return {0};
    }
    constexpr std::array<int, 3> kMantissas = {1, 2, 5};
    const int steps = std::max(mostSteps, 1);
    // Ends at the latest with the first power of ten above `largest`, which leaves no step at all.
    std::int64_t step = 0;
    for (std::int64_t power = 1; step == 0; power *= 10) {
        for (const int mantissa : kMantissas) {
            if (largest / (mantissa * power) <= steps) {
                step = mantissa * power;
                break;
            }
        }
    }
    std::vector<int> ticks;
    for (std::int64_t tick = 0; tick <= largest; tick += step) {
        ticks.push_back(static_cast<int>(tick));
    }
    return ticks;
}

QString OutsideMaximumsNote(const ChartPicture& picture) {
    const int game = FirstMarked(picture.chart.pageFlags);
    if (!picture.chart.lottoChartPending || !IsLottoGame(game)) {
        return {};
    }
    QStringList phrases;
    QStringList maximums;
    const int firstMaximum = FirstGroupMaximum(game, picture.settings);
    const OutsideNumbers balls = NumbersAbove(picture.chart.ballCounts, firstMaximum);
    if (firstMaximum > 0 && balls.numbers > 0) {
        phrases.append(OutsidePhrase(balls, "ball", "balls"));
        maximums.append(QString::number(firstMaximum));
    }
    const int powerMaximum = PowerballMaximum(game, picture.settings);
    const OutsideNumbers powerBalls = NumbersAbove(picture.chart.powerBallCounts, powerMaximum);
    if (powerMaximum > 0 && powerBalls.numbers > 0) {
        phrases.append(OutsidePhrase(powerBalls, "Power Ball", "Power Balls"));
        maximums.append(QString::number(powerMaximum));
    }
    if (phrases.isEmpty()) {
        return {};
    }
    const QString above = maximums.size() == 1
                              ? QStringLiteral("the maximum of ") + maximums.front()
                              : QStringLiteral("the maximums of ") + maximums.join(QStringLiteral(" and "));
    return QStringLiteral("Not shown, above ") + above + QStringLiteral(": ") +
           phrases.join(QStringLiteral("; "));
}

QString PickCaption(const ChartPicture& picture) {
    const ChartData& chart = picture.chart;
    const int game = FirstMarked(chart.pageFlags);
    const bool lottoPicks = picture.lottoPicks.has_value() && IsLottoGame(game);
    const bool digitPicks = !picture.lottoPicks && IsDigitGame(game) && chart.digitPickPresent;
    if (!lottoPicks && !digitPicks) {
        return {};
    }
    const bool bestGuess = chart.picksPresent || chart.pickOperation == kBestGuess;
    return GameTitle(game) + QStringLiteral(": ") +
           (bestGuess ? QStringLiteral("Best Guess") : QStringLiteral("Random"));
}

QString TitleScreenHint() {
    return QStringLiteral("Double-click the window, or choose %1 (%2)")
        .arg(QString::fromLatin1(kOperationsMenuPath), QString::fromLatin1(kOperationsShortcut));
}

ChartPainter::ChartPainter(QPainter& painter, const ChartPicture& picture)
    : painter_(painter), picture_(picture) {}

void ChartPainter::Paint(const QRectF& target) {
    if (target.width() <= 0 || target.height() <= 0) {
        return;
    }
    painter_.save();
    painter_.setClipRect(target, painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    const bool titleScreen = ShowsTitleScreen();
    painter_.fillRect(target, titleScreen ? Qt::black : Qt::white);
    const qreal scale = std::min(target.width() / kCanvasWidth, target.height() / kCanvasHeight);
    painter_.translate(target.center() - QPointF(kCanvasWidth * scale / 2, kCanvasHeight * scale / 2));
    painter_.scale(scale, scale);

    const int game = FirstMarked(picture_.chart.pageFlags);
    if (titleScreen) {
        PaintTitleScreen(game);
    }
    if (picture_.chart.lottoChartPending) {
        PaintLottoChart(game);
    }
    if (ShownDigitSeries(picture_.chart) >= 0) {
        PaintDigitChart();
    }
    if (picture_.lottoPicks) {
        PaintLottoPicks(*picture_.lottoPicks);
    } else if (ShowsDigitPicks(game)) {
        PaintDigitPicks(game);
    }
    painter_.restore();
}

bool ChartPainter::ShowsTitleScreen() const {
    return !picture_.chart.lottoChartPending && ShownDigitSeries(picture_.chart) < 0;
}

bool ChartPainter::ShowsDigitPicks(int game) const {
    return IsDigitGame(game) && picture_.chart.digitPickPresent;
}

void ChartPainter::PaintTitleScreen(int game) {
    qreal room = kCanvasHeight;
    if (picture_.lottoPicks && picture_.lottoPicks->insufficient) {
        room = kNoticeArea.top();
    } else if (picture_.lottoPicks || ShowsDigitPicks(game)) {
        room = kPickRowTop;
    }
    constexpr qreal kPlateHeight = kLogoHeight + kCaptionGap + kCaptionHeight;
    constexpr qreal kWithHint = kPlateHeight + kHintGap + kHintHeight;
    // Above the notice there is no room for the hint.
    const bool hint = room >= kWithHint + 2 * kHintGap;
    const qreal top = (room - (hint ? kWithHint : kPlateHeight)) / 2;
    PaintLogo(painter_, QRectF(kCentreX - kLogoWidth / 2, top, kLogoWidth, kLogoHeight));
    const qreal captionTop = top + kLogoHeight + kCaptionGap;
    PaintCaptionPlate(painter_,
                      QRectF(kCentreX - kCaptionWidth / 2, captionTop, kCaptionWidth, kCaptionHeight),
                      QStringLiteral("Double-Clickable Window"));
    if (hint) {
        WriteCentred(painter_, QRectF(0, captionTop + kCaptionHeight + kHintGap, kCanvasWidth, kHintHeight),
                     TitleScreenHint(), ChartFont(kHintPixels), kHintColour);
    }
}

void ChartPainter::PaintLottoChart(int game) {
    if (!IsLottoGame(game)) {
        return;
    }
    const QFont title = ChartFont(kTitlePixels, true);
    WriteText(painter_, kLottoGameTitleAt, GameTitle(game), title, kDistributionTitleAt.x() - 4,
              kTitleColour);
    WriteText(painter_, kDistributionTitleAt, QStringLiteral("Number Distribution"), title, kCanvasWidth,
              kTitleColour);

    const ChartData& chart = picture_.chart;
    const bool powerball = game == kPowerballPage;
    const Band firstBand = powerball ? kFirstGroupBand : kLottoBand;
    const int firstMaximum = FirstGroupMaximum(game, picture_.settings);
    const int firstSlot = SlotWidth(firstMaximum);
    const int gap = game == kFiveNumberPage ? kFiveNumberBarGap : kBarGap;
    const int hottest = PaintBarGroup(painter_, {chart.ballCounts, firstMaximum, firstBand, firstSlot,
                                                 BarWidth(firstSlot, gap), kViolet, kRed});
    PaintBallAxis(painter_, QStringLiteral("Ball No."), firstBand, firstMaximum, firstSlot);
    const QFont font = ChartFont(kTextPixels);
    if (hottest != 0) {
        const QPointF at = game == kSixNumberPage ? kSixNumberHottestBallAt : kHottestBallAt;
        WriteText(painter_, at, WithNumber(kHottestBallText, hottest), font,
                  powerball ? kHottestPowerballAt.x() - 4 : kCanvasWidth);
    }
    if (powerball) {
        const int powerMaximum = PowerballMaximum(game, picture_.settings);
        const int powerSlot = SlotWidth(powerMaximum);
        const int powerHottest =
            PaintBarGroup(painter_, {chart.powerBallCounts, powerMaximum, kPowerBallBand, powerSlot,
                                     BarWidth(powerSlot, kBarGap), kYellow, kGreen});
        PaintBallAxis(painter_, QStringLiteral("Power Ball No."), kPowerBallBand, powerMaximum, powerSlot);
        if (powerHottest != 0) {
            WriteText(painter_, kHottestPowerballAt, WithNumber(kHottestPowerballText, powerHottest), font,
                      kCanvasWidth);
        }
    }
    const QString note = OutsideMaximumsNote(picture_);
    if (!note.isEmpty()) {
        WriteText(painter_, QPointF(kRowLabelLeft, kNoteTop), note, ChartFont(kNotePixels), kCanvasWidth,
                  kNoteColour);
    }
}

void ChartPainter::PaintDigitChart() {
    const ChartData& chart = picture_.chart;
    const int shown = ShownDigitSeries(chart);
    const DigitSeries& series = chart.digitSeries[static_cast<std::size_t>(shown)];
    // The title names the game whose series is drawn.
    const int game = shown <= kThreeNumberDatedSeries ? kThreeNumberPage : kFourNumberPage;
    const QFont title = ChartFont(kTitlePixels, true);
    WriteText(painter_, QPointF(kDigitGameTitleLeft, kDigitTitleTop), GameTitle(game), title,
              kNumbersAndBallsLeft - 4, kTitleColour);
    WriteText(painter_, QPointF(kNumbersAndBallsLeft, kDigitTitleTop), QStringLiteral("Numbers & Balls"),
              title, kCanvasWidth, kTitleColour);

    const int largestShare = *std::max_element(series.values.begin(), series.values.end());
    const int largestDigit = *std::max_element(chart.chartPicks.begin(), chart.chartPicks.end());
    const QFont label = ChartFont(kRowLabelPixels);
    for (int row = 0; row < 10; ++row) {
        const auto i = static_cast<std::size_t>(row);
        const int top = kFirstRowTop + kRowStep * row;
        WriteText(painter_, QPointF(kRowLabelLeft, top + 1), DigitRowLabel(row), label, kDigitBarsLeft - 2);
        PaintBar(painter_,
                 QRect(kDigitBarsLeft, top, ScaledLength(series.values[i], largestShare, kDigitBarRoom),
                       kThickBarHeight),
                 kViolet);
        PaintBar(painter_,
                 QRect(kDigitBarsLeft, top + kThinBarOffset,
                       ScaledLength(chart.chartPicks[i], largestDigit, kDigitBarRoom), kThinBarHeight),
                 kGreen);
    }
    // The digit counts' axis above the rows, the drawings' axis below them.
    struct Axis {
        int row;
        int largest;
        int direction; // -1: ticks and labels above the line, 1: below it
        const char* title;
        QRgb colour;
    };
    const QFont font = ChartFont(kValueLabelPixels);
    for (const Axis& axis : {Axis{kDigitTopAxis, largestDigit, -1, "Digit counts", kDigitCountsTextColour},
                             Axis{kDigitBottomAxis, largestShare, 1, "Drawings", kViolet}}) {
        const qreal row = axis.row + 0.5;
        const qreal labelTop = axis.direction < 0 ? axis.row - kTickLength - 2 * kValueLabelPixels + 4
                                                  : axis.row + kTickLength + 1;
        PaintHairline(painter_, QPointF(kDigitBarsLeft, row), QPointF(kDigitBarsLeft + kDigitBarRoom, row),
                      kAxisColour);
        WriteText(painter_, QPointF(kRowLabelLeft, labelTop), QString::fromLatin1(axis.title), font,
                  kDigitBarsLeft - 4, axis.colour);
        for (const int tick : ValueAxisTicks(axis.largest)) {
            const qreal x = kDigitBarsLeft + ScaledLength(tick, axis.largest, kDigitBarRoom) + 0.5;
            PaintHairline(painter_, QPointF(x, row), QPointF(x, row + axis.direction * kTickLength),
                          kAxisColour);
            painter_.setFont(font);
            painter_.setPen(QColor::fromRgb(axis.colour));
            painter_.drawText(QRectF(x - 20, labelTop, 40, 2 * kValueLabelPixels - 4),
                              Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, QString::number(tick));
        }
    }
}

void ChartPainter::PaintLottoPicks(const LottoPickRow& row) {
    if (row.insufficient) {
        PaintCaptionPlate(painter_, kNoticeArea, FromView(kInsufficientBestGuess));
    }
    const auto count = static_cast<int>(row.picks.size());
    const int rowWidth = count * kLottoBallSize + (row.powerBall ? kPlusSignWidth : 0);
    qreal left = kCentreX - rowWidth / 2 + 1;
    for (int i = 0; i < count; ++i) {
        const int pick = row.picks[static_cast<std::size_t>(i)];
        if (row.powerBall && i + 1 == count) {
            PaintPlusSign(painter_, QRectF(left, kPickRowTop, kPlusSignWidth, kLottoBallSize));
            left += kPlusSignWidth;
            PaintPowerBall(painter_, QRectF(left, kPickRowTop, kLottoBallSize, kLottoBallSize), pick);
        } else {
            PaintLottoBall(painter_, QRectF(left, kPickRowTop, kLottoBallSize, kLottoBallSize), pick);
        }
        left += kLottoBallSize;
    }
    PaintPickCaption(kPickRowTop + kLottoBallSize + kCaptionGapBelowPicks);
}

void ChartPainter::PaintDigitPicks(int game) {
    const std::vector<int> digits = PickedDigits(game, picture_.chart.pickMode);
    qreal left = kCentreX - static_cast<int>(digits.size()) * kDigitBallSize / 2;
    for (const int digit : digits) {
        PaintDigitBall(painter_, QRectF(left, kPickRowTop, kDigitBallSize, kDigitBallSize), digit);
        left += kDigitBallSize;
    }
    PaintPickCaption(kPickRowTop + kDigitBallSize + kCaptionGapBelowPicks);
}

void ChartPainter::PaintPickCaption(qreal top) {
    const QString caption = PickCaption(picture_);
    if (caption.isEmpty()) {
        return;
    }
    // The plate writes in the painter's font, bold, at 45 % of its height.
    const QFont font = ChartFont(static_cast<int>(kPickCaptionHeight * 0.45), true);
    const qreal width = QFontMetricsF(font).horizontalAdvance(caption) + kPickCaptionPadding;
    painter_.setFont(font);
    PaintCaptionPlate(painter_, QRectF(kCentreX - width / 2, top, width, kPickCaptionHeight), caption);
}

} // namespace vantorel
