#include "shell/ChartPainter.h"

#include "lotto/LottoOperations.h"
#include "shell/Artwork.h"
#include "shell/ChartPicture.h"
#include "shell/HandOver.h"
#include "store/HistoryFile.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
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

// The lotto frequency chart.
constexpr QPointF kLottoGameTitleAt(55, 3);
constexpr QPointF kDistributionTitleAt(205, 3);
constexpr QPointF kBallAxisTitleAt(0, 261);
constexpr QPointF kHottestBallAt(23, 22);
constexpr QPointF kSixNumberHottestBallAt(151, 22);
constexpr QPointF kHottestPowerballAt(233, 22);
constexpr int kAxisLabelTop = 261;
constexpr int kBarsLeft = 17;
// A Power Ball bar stands 3 units into its ball's slot and is 5 wide, less in slots too narrow for that.
constexpr int kPowerBarOffset = 3;
constexpr int kPowerBarWidth = 5;
constexpr int kBarBottom = 259; // the first row below the bars
constexpr int kTallestBar = 220;
constexpr int kFiveNumberBarRoom = 460;
constexpr int kBarRoom = 450;
constexpr int kFiveNumberBarGap = 6;
constexpr int kBarGap = 2;
// The narrowest bar that still shows its colour inside the outline.
constexpr int kNarrowestColouredBar = 3;

constexpr std::string_view kHottestBallText = "Hottest Ball is %d (in red)";
constexpr std::string_view kHottestPowerballText = "Hottest Powerball is %d (in green)";

// The digit distribution chart.
constexpr int kDigitTitleTop = 3;
constexpr int kDigitGameTitleLeft = kCentreX - 160;
constexpr int kNumbersAndBallsLeft = kCentreX - 10;
constexpr int kRowLabelLeft = 3;
constexpr int kRowLabelTop = 29;
constexpr int kRowStep = 25;
constexpr int kDigitBarsLeft = 84;
constexpr int kDigitBarRoom = kCanvasWidth - 90;
constexpr int kThickBarTop = 28;
constexpr int kThickBarHeight = 14;
constexpr int kThinBarTop = 33;
constexpr int kThinBarHeight = 4;

// The picks and the notice.
constexpr int kLottoBallSize = 34;
constexpr int kDigitBallSize = 40;
constexpr int kPlusSignWidth = 24;
constexpr int kPickRowTop = kCentreY + 50;
constexpr QRectF kNoticeArea(kCentreX - 120, kCentreY - 13, 240, 26);

// The title screen: the logo above its caption, centred in the room the picks leave.
constexpr qreal kLogoWidth = 360;
constexpr qreal kLogoHeight = 72;
constexpr qreal kCaptionGap = 10;
constexpr qreal kCaptionWidth = 216;
constexpr qreal kCaptionHeight = 30;

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

// A bar with a black outline, one logical unit wide but at least one device pixel, aligned on device
// pixels so that bars stay sharp at every scale.
void PaintBar(QPainter& painter, const QRect& bar, QRgb fill) {
    if (bar.width() <= 0 || bar.height() <= 0) {
        return;
    }
    const QTransform toDevice = painter.worldTransform();
    const QRect device = DevicePixels(toDevice, QRectF(bar));
    const int outline = std::max(1, static_cast<int>(toDevice.m11()));
    painter.save();
    painter.resetTransform();
    painter.fillRect(device, Qt::black);
    const QRect inside = device.adjusted(outline, outline, -outline, -outline);
    if (!inside.isEmpty()) {
        painter.fillRect(inside, QColor::fromRgb(fill));
    }
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

// One group of frequency bars: ball b's bar starts at left + (b - 1) x slotWidth.
struct BarGroup {
    const std::vector<int>& counts;
    int maximum;
    int left;
    int slotWidth;
    int barWidth;
    QRgb colour;
    QRgb hottestColour;
};

// Paints the group's bars, its hottest ball in its own colour; returns the hottest ball (0: none).
int PaintBarGroup(QPainter& painter, const BarGroup& group) {
    const int hottest = HottestBall(group.counts, group.maximum);
    const int largest = CountOf(group.counts, hottest);
    for (int ball = 1; ball <= group.maximum; ++ball) {
        const int height = ScaledLength(CountOf(group.counts, ball), largest, kTallestBar);
        const QRect bar(group.left + (ball - 1) * group.slotWidth, kBarBottom - 1 - height, group.barWidth,
                        height + 1);
        PaintBar(painter, bar, ball == hottest ? group.hottestColour : group.colour);
    }
    return hottest;
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

// The slot of one ball: the chart's width shared by the balls (for Power Ball those of the larger group,
// so that the group-2 bars stay on the canvas too).
int SlotWidth(int game, int balls) {
    if (balls <= 0) {
        return 0;
    }
    return (game == kFiveNumberPage ? kFiveNumberBarRoom : kBarRoom) / balls;
}

QString LottoGameTitle(int game) {
    switch (game) {
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

} // namespace

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
    const qreal top = (room - (kLogoHeight + kCaptionGap + kCaptionHeight)) / 2;
    PaintLogo(painter_, QRectF(kCentreX - kLogoWidth / 2, top, kLogoWidth, kLogoHeight));
    PaintCaptionPlate(
        painter_,
        QRectF(kCentreX - kCaptionWidth / 2, top + kLogoHeight + kCaptionGap, kCaptionWidth, kCaptionHeight),
        QStringLiteral("Double-Clickable Window"));
}

void ChartPainter::PaintLottoChart(int game) {
    if (game != kFiveNumberPage && game != kSixNumberPage && game != kPowerballPage) {
        return;
    }
    const QFont title = ChartFont(kTitlePixels, true);
    WriteText(painter_, kLottoGameTitleAt, LottoGameTitle(game), title, kDistributionTitleAt.x() - 4,
              kTitleColour);
    WriteText(painter_, kDistributionTitleAt, QStringLiteral("Number Distribution"), title, kCanvasWidth,
              kTitleColour);
    const int balls =
        std::max(FirstGroupMaximum(game, picture_.settings), PowerballMaximum(game, picture_.settings));
    const int slotWidth = SlotWidth(game, balls);
    if (slotWidth > 0) {
        PaintLottoBars(game, slotWidth);
    }
    PaintBallAxis(balls, slotWidth);
}

void ChartPainter::PaintLottoBars(int game, int slotWidth) {
    const ChartData& chart = picture_.chart;
    const int gap = game == kFiveNumberPage ? kFiveNumberBarGap : kBarGap;
    const int hottest =
        PaintBarGroup(painter_, {chart.ballCounts, FirstGroupMaximum(game, picture_.settings), kBarsLeft,
                                 slotWidth, BarWidth(slotWidth, gap), kViolet, kRed});
    const QFont font = ChartFont(kTextPixels);
    const bool powerball = game == kPowerballPage;
    if (hottest != 0) {
        const QPointF at = game == kSixNumberPage ? kSixNumberHottestBallAt : kHottestBallAt;
        WriteText(painter_, at, WithNumber(kHottestBallText, hottest), font,
                  powerball ? kHottestPowerballAt.x() - 4 : kCanvasWidth);
    }
    if (!powerball) {
        return;
    }
    const int powerOffset = std::min(kPowerBarOffset, slotWidth / 3);
    const int powerWidth = std::max(1, std::min(kPowerBarWidth, slotWidth - powerOffset));
    const int powerHottest =
        PaintBarGroup(painter_, {chart.powerBallCounts, PowerballMaximum(game, picture_.settings),
                                 kBarsLeft + powerOffset, slotWidth, powerWidth, kYellow, kGreen});
    if (powerHottest != 0) {
        WriteText(painter_, kHottestPowerballAt, WithNumber(kHottestPowerballText, powerHottest), font,
                  kCanvasWidth);
    }
}

void ChartPainter::PaintBallAxis(int maximum, int slotWidth) {
    constexpr qreal kLabelSpacing = 2;
    qreal taken = WriteText(painter_, kBallAxisTitleAt, QStringLiteral("Ball No."),
                            ChartFont(kAxisPixels, true), kCanvasWidth) +
                  kLabelSpacing;
    const QFont font = ChartFont(kAxisPixels);
    for (int ball = 5; ball <= maximum && slotWidth > 0; ball += 5) {
        const qreal left = kBarsLeft + (ball - 1) * slotWidth - 1;
        if (left >= taken) {
            taken =
                WriteText(painter_, QPointF(left, kAxisLabelTop), QString::number(ball), font, kCanvasWidth) +
                kLabelSpacing;
        }
    }
}

void ChartPainter::PaintDigitChart() {
    const ChartData& chart = picture_.chart;
    const int shown = ShownDigitSeries(chart);
    const DigitSeries& series = chart.digitSeries[static_cast<std::size_t>(shown)];
    // The title names the game whose series is drawn.
    const QString game =
        shown <= kThreeNumberDatedSeries ? QStringLiteral("3 Number Game") : QStringLiteral("4 Number Game");
    const QFont title = ChartFont(kTitlePixels, true);
    WriteText(painter_, QPointF(kDigitGameTitleLeft, kDigitTitleTop), game, title, kNumbersAndBallsLeft - 4,
              kTitleColour);
    WriteText(painter_, QPointF(kNumbersAndBallsLeft, kDigitTitleTop), QStringLiteral("Numbers & Balls"),
              title, kCanvasWidth, kTitleColour);

    const int largestShare = *std::max_element(series.values.begin(), series.values.end());
    const int largestDigit = *std::max_element(chart.chartPicks.begin(), chart.chartPicks.end());
    const QFont label = ChartFont(kRowLabelPixels);
    for (int row = 0; row < 10; ++row) {
        const auto i = static_cast<std::size_t>(row);
        WriteText(painter_, QPointF(kRowLabelLeft, kRowLabelTop + kRowStep * row), DigitRowLabel(row), label,
                  kDigitBarsLeft - 2);
        PaintBar(painter_,
                 QRect(kDigitBarsLeft, kThickBarTop + kRowStep * row,
                       ScaledLength(series.values[i], largestShare, kDigitBarRoom), kThickBarHeight),
                 kViolet);
        PaintBar(painter_,
                 QRect(kDigitBarsLeft, kThinBarTop + kRowStep * row,
                       ScaledLength(chart.chartPicks[i], largestDigit, kDigitBarRoom), kThinBarHeight),
                 kGreen);
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
}

void ChartPainter::PaintDigitPicks(int game) {
    const std::vector<int> digits = PickedDigits(game, picture_.chart.pickMode);
    qreal left = kCentreX - static_cast<int>(digits.size()) * kDigitBallSize / 2;
    for (const int digit : digits) {
        PaintDigitBall(painter_, QRectF(left, kPickRowTop, kDigitBallSize, kDigitBallSize), digit);
        left += kDigitBallSize;
    }
}

} // namespace vantorel
