// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChartPainter.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "shell/Artwork.h"
#include "shell/ChartPicture.h"
#include "shell/OperationsSheet.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace vantorel::test {
namespace {

constexpr int kWidth = ChartPainter::kChartCanvasWidth;
constexpr int kHeight = ChartPainter::kChartCanvasHeight;
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kViolet = qRgb(128, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 128);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kGreen = qRgb(0, 255, 128);

// The picture painted at the logical size, so that image pixels are layout units.
QImage Render(const ChartPicture& picture, QSize size = QSize(kWidth, kHeight)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    ChartPainter(painter, picture).Paint(QRectF(0, 0, kWidth, kHeight));
    return image;
}

// Balls of `size` side by side from `left`, below the middle of the canvas, each as `paint` draws it alone
// on the black background of the picks.
void ExpectBalls(const QImage& image, int left, int size, const std::vector<int>& numbers,
                 void (*paint)(QPainter&, const QRectF&, int)) {
    for (const int number : numbers) {
        QImage ball(size, size, QImage::Format_RGB32);
        ball.fill(kBlack);
        QPainter painter(&ball);
        paint(painter, QRectF(0, 0, size, size), number);
        painter.end();
        EXPECT_EQ(image.copy(left, kHeight / 2 + 50, size, size), ball) << number;
        left += size;
    }
}

bool AnyPixel(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

ChartPicture LottoDistribution(int game, std::vector<int> counts, std::vector<int> powerCounts = {}) {
    ChartPicture picture;
    picture.settings = GameSettings{26, 49, 49, 42, 5};
    picture.chart.lottoChartPending = true;
    MarkOneHot(picture.chart.pageFlags, game);
    picture.chart.ballCounts = std::move(counts);
    picture.chart.powerBallCounts = std::move(powerCounts);
    return picture;
}

std::vector<int> Counts(int maximum, std::initializer_list<std::pair<int, int>> ballAndCount) {
    std::vector<int> counts(static_cast<std::size_t>(maximum) + 1);
    for (const auto& [ball, count] : ballAndCount) {
        counts[static_cast<std::size_t>(ball)] = count;
    }
    return counts;
}

// Where the bars of a band stand: on the row above `baseline`, the tallest reaching `top`, right of the value
// axis from x 38 on.
struct BandRows {
    int top;
    int baseline;
};
constexpr BandRows kLottoBand{38, 250};
constexpr BandRows kFirstGroupBand{38, 160};
constexpr BandRows kPowerBallBand{188, 248};
constexpr int kBarsLeft = 38;
constexpr int kBarsRoom = 438;
constexpr QRgb kAxis = qRgb(90, 90, 90);
constexpr QRgb kGrid = qRgb(222, 222, 222);

// Bars are count / largest of the band's height, with a black outline; the largest count is red, the lowest
// ball winning a tie; a ball never drawn keeps a one-row bar.
TEST(ChartPainterTest, LottoBarsFollowTheCountsAndTheHottestBallIsRed) {
    struct Case {
        int game;
        int slotWidth;
        int barWidth;
        BandRows band;
        QRect hottestText;
    };
    const std::vector<Case> cases = {
        {kFiveNumberPage, kBarsRoom / 26, kBarsRoom / 26 - 6, kLottoBand, QRect(23, 22, 120, 14)},
        {kSixNumberPage, kBarsRoom / 49, kBarsRoom / 49 - 2, kLottoBand, QRect(151, 22, 120, 14)},
        {kPowerballPage, kBarsRoom / 49, kBarsRoom / 49 - 2, kFirstGroupBand, QRect(23, 22, 120, 14)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game);
        const QImage image = Render(LottoDistribution(c.game, Counts(49, {{7, 10}, {3, 10}, {20, 5}})));
        const auto barLeft = [&c](int ball) {
            return kBarsLeft + (ball - 1) * c.slotWidth;
        };
        const int middle = c.barWidth / 2;
        const int bottom = c.band.baseline - 1;
        const int half = bottom - (bottom - c.band.top) / 2;
        EXPECT_EQ(image.pixel(barLeft(3) + middle, half + 10), kRed);
        EXPECT_EQ(image.pixel(barLeft(3) + middle, c.band.top), kBlack); // top outline
        EXPECT_EQ(image.pixel(barLeft(3) + middle, c.band.top - 1), kWhite);
        EXPECT_NE(image.pixel(barLeft(3) + c.barWidth, half + 10), kRed);
        EXPECT_EQ(image.pixel(barLeft(7) + middle, half + 10), kViolet);
        EXPECT_EQ(image.pixel(barLeft(20) + middle, half), kBlack); // 5 of 10: half the height
        EXPECT_NE(image.pixel(barLeft(20) + middle, half - 1), kViolet);
        EXPECT_EQ(image.pixel(barLeft(1) + middle, bottom), kBlack);
        EXPECT_EQ(image.pixel(barLeft(1) + middle, bottom - 1), kWhite);
        EXPECT_TRUE(AnyPixel(image, c.hottestText, [](QRgb pixel) { return pixel != kWhite; }));
    }
}

// The value axis marks round counts at the height of a bar of that count, with a light line across.
TEST(ChartPainterTest, ValueAxisMarksRoundCounts) {
    const QImage image = Render(LottoDistribution(kFiveNumberPage, Counts(26, {{1, 173}, {2, 60}})));
    const int room = kLottoBand.baseline - 1 - kLottoBand.top;
    for (const int tick : {50, 100, 150}) {
        SCOPED_TRACE(tick);
        const int row = kLottoBand.baseline - 1 - tick * room / 173;
        EXPECT_EQ(image.pixel(kBarsLeft - 3, row), kAxis); // the tick mark
        EXPECT_EQ(image.pixel(300, row), kGrid);           // the line across, where no bar stands
        EXPECT_TRUE(AnyPixel(image, QRect(8, row - 5, 24, 10), [](QRgb pixel) { return pixel != kWhite; }));
    }
    EXPECT_NE(image.pixel(300, kLottoBand.baseline - 1 - 175 * room / 173), kGrid); // no tick above 173
}

TEST(ChartPainterTest, ValueAxisTicksAreRoundAndFew) {
    const struct {
        int largest;
        std::vector<int> ticks;
    } cases[] = {
        {-3, {0}},
        {1, {0, 1}},
        {7, {0, 2, 4, 6}},
        {10, {0, 2, 4, 6, 8, 10}}, // exactly the most steps
        {999, {0, 200, 400, 600, 800}},
        {2000000000, {0, 500000000, 1000000000, 1500000000, 2000000000}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValueAxisTicks(c.largest), c.ticks) << c.largest;
    }
    EXPECT_EQ(ValueAxisTicks(173, 2), (std::vector<int>{0, 100}));
}

// Power Ball's second group stands in its own band under the first: yellow bars, the hottest green; a
// group that was never drawn has no highlighted bar and no text.
TEST(ChartPainterTest, PowerballGroupTwoIsYellowWithItsHottestGreenInItsOwnBand) {
    const QRect powerballText(233, 22, kWidth - 233, 14);
    const QImage counted =
        Render(LottoDistribution(kPowerballPage, Counts(49, {{10, 4}}), Counts(42, {{4, 6}, {2, 6}})));
    const int powerSlot = kBarsRoom / 42;
    const int powerMiddle = (kPowerBallBand.top + kPowerBallBand.baseline) / 2;
    EXPECT_EQ(counted.pixel(kBarsLeft + powerSlot + 3, powerMiddle), kGreen);
    EXPECT_EQ(counted.pixel(kBarsLeft + 3 * powerSlot + 3, powerMiddle), kYellow);
    EXPECT_EQ(counted.pixel(kBarsLeft + 9 * (kBarsRoom / 49) + 3, 100), kRed); // group 1, in the band above
    EXPECT_FALSE(AnyPixel(counted, QRect(0, kFirstGroupBand.top, kWidth, kFirstGroupBand.baseline - 38),
                          [](QRgb pixel) { return pixel == kYellow || pixel == kGreen; }));
    EXPECT_TRUE(AnyPixel(counted, powerballText, [](QRgb pixel) { return pixel != kWhite; }));

    const QImage unplayed = Render(LottoDistribution(kPowerballPage, Counts(49, {{10, 4}}), Counts(42, {})));
    EXPECT_FALSE(AnyPixel(unplayed, unplayed.rect(), [](QRgb pixel) { return pixel == kGreen; }));
    EXPECT_FALSE(AnyPixel(unplayed, powerballText, [](QRgb pixel) { return pixel != kWhite; }));
    const QImage nothing = Render(LottoDistribution(kFiveNumberPage, Counts(26, {})));
    EXPECT_FALSE(AnyPixel(nothing, nothing.rect(), [](QRgb pixel) { return pixel == kRed; }));
    EXPECT_FALSE(AnyPixel(nothing, QRect(23, 22, 200, 14), [](QRgb pixel) { return pixel != kWhite; }));
}

// At every maximum up to 99 each ball of each group shows its colour in its own slot of its own band (at
// twice the canvas, as a window shows it), and nothing is drawn outside the target.
TEST(ChartPainterTest, EveryBallUpToNinetyNineStaysReadable) {
    const struct {
        int game;
        GameSettings settings;
        int firstGroup;  // the balls of the first band
        int secondGroup; // the Power Balls, in the band below; 0 for none
    } cases[] = {
        {kFiveNumberPage, GameSettings{99, 49, 49, 42, 5}, 99, 0},
        {kSixNumberPage, GameSettings{26, 99, 49, 42, 5}, 99, 0},
        {kPowerballPage, GameSettings{26, 49, 99, 99, 5}, 99, 99},
        {kPowerballPage, GameSettings{26, 49, 99, 4, 5}, 99, 4},
        {kFiveNumberPage, GameSettings{500, 49, 49, 42, 5}, 99, 0}, // no pictures beyond 99
    };
    constexpr int kScale = 2;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.game) + ": " + std::to_string(c.firstGroup) + "/" +
                     std::to_string(c.secondGroup));
        ChartPicture picture =
            LottoDistribution(c.game, std::vector<int>(101, 10), std::vector<int>(101, 10));
        picture.settings = c.settings;
        QImage image(kScale * kWidth + 100, kScale * kHeight + 100, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        {
            QPainter painter(&image);
            ChartPainter(painter, picture).Paint(QRectF(0, 0, kScale * kWidth, kScale * kHeight));
        }
        const auto drawn = [](QRgb p) {
            return p != qRgb(255, 0, 255);
        };
        EXPECT_FALSE(AnyPixel(image, QRect(kScale * kWidth, 0, 100, image.height()), drawn));
        EXPECT_FALSE(AnyPixel(image, QRect(0, kScale * kHeight, image.width(), 100), drawn));
        const auto everyBallShown = [&image](int balls, BandRows band, QRgb colour, QRgb hottest) {
            for (int ball = 1; ball <= balls; ++ball) {
                const int slot = kBarsRoom / balls;
                const QRect area(kScale * (kBarsLeft + (ball - 1) * slot), kScale * (band.top + 10),
                                 kScale * slot, 1);
                ASSERT_TRUE(AnyPixel(image, area, [&](QRgb p) { return p == colour || p == hottest; }))
                    << ball;
            }
        };
        everyBallShown(c.firstGroup, c.secondGroup > 0 ? kFirstGroupBand : kLottoBand, kViolet, kRed);
        everyBallShown(c.secondGroup, kPowerBallBand, kYellow, kGreen);
    }
}

// Drawn numbers above the maximums have no bar; the chart says which they are and how often they came.
TEST(ChartPainterTest, NumbersAboveTheMaximumsAreCountedInALine) {
    ChartPicture picture = LottoDistribution(kPowerballPage, Counts(68, {{3, 9}, {52, 2}}),
                                             Counts(68, {{26, 4}, {27, 5}, {42, 1}}));
    picture.settings = GameSettings{26, 49, 69, 26, 5};
    EXPECT_EQ(OutsideMaximumsNote(picture).toStdString(),
              "Not shown, above the maximum of 26: Power Balls 27 to 42 (2 numbers, drawn 6 times)");
    picture.settings.powerballGroup1Max = 49;
    EXPECT_EQ(OutsideMaximumsNote(picture).toStdString(),
              "Not shown, above the maximums of 49 and 26: ball 52 (drawn 2 times); Power Balls 27 to 42 (2 "
              "numbers, drawn 6 times)");
    const QImage image = Render(picture);
    const auto reddish = [](QRgb pixel) {
        return qRed(pixel) > qGreen(pixel) + 60 && qBlue(pixel) < 150;
    };
    EXPECT_TRUE(AnyPixel(image, QRect(3, 265, 200, 12), reddish));
    picture.settings = GameSettings{26, 49, 69, 42, 5};
    EXPECT_TRUE(OutsideMaximumsNote(picture).isEmpty());
    EXPECT_FALSE(AnyPixel(Render(picture), QRect(0, 264, kWidth, 16), reddish));
}

// Ten rows: a thick violet bar for the deciles and a thin green one for the digit counts, each the share
// of its largest value of the width less 90; the digit counts have their axis above the rows, the drawings
// theirs below.
TEST(ChartPainterTest, DigitDistributionDrawsTenRowsOfTwoBars) {
    ChartPicture picture;
    MarkOneHot(picture.chart.pageFlags, kThreeNumberPage);
    picture.chart.digitSeries[kThreeNumberDatedSeries] =
        DigitSeries{{2, 4, 6, 8, 10, 12, 14, 16, 18, 20}, 110};
    picture.chart.chartPicks = {40, 36, 32, 28, 24, 20, 16, 12, 8, 4};
    const QImage image = Render(picture);
    constexpr int kRoom = kWidth - 90;
    for (int row = 0; row < 10; ++row) {
        SCOPED_TRACE(row);
        const int top = 41 + 21 * row;
        const int thick = (row + 1) * 2 * kRoom / 20;
        const int thin = (40 - 4 * row) * kRoom / 40;
        EXPECT_EQ(image.pixel(84, top + 2), kBlack); // the outline
        EXPECT_EQ(image.pixel(84 + thick - 3, top + 2), kViolet);
        EXPECT_EQ(image.pixel(84 + thick + 1, top + 2), kWhite);
        EXPECT_EQ(image.pixel(84 + thin - 3, top + 6), kGreen);
        EXPECT_EQ(image.pixel(84 + thin + 1, top + 6), thin + 1 < thick ? kViolet : kWhite);
        EXPECT_TRUE(AnyPixel(image, QRect(3, top + 1, 78, 12), [](QRgb pixel) { return pixel != kWhite; }));
    }
    for (const int tick : {0, 5, 10, 15, 20}) { // the drawings, largest 20
        EXPECT_EQ(image.pixel(84 + tick * kRoom / 20, 248), kAxis) << tick;
    }
    for (const int tick : {10, 20, 30, 40}) { // the digit counts, largest 40
        EXPECT_EQ(image.pixel(84 + tick * kRoom / 40, 35), kAxis) << tick;
    }
    EXPECT_NE(image.pixel(84 + 3 * kRoom / 20, 248), kAxis); // no tick between the round counts
    // The title names the game whose series is drawn, whichever game page was active last.
    ChartPicture laterPage = picture;
    MarkOneHot(laterPage.chart.pageFlags, kFourNumberPage);
    EXPECT_EQ(Render(laterPage), image);
}

// Random lotto picks are taken once, from the generator: a planted seed gives the same distinct balls
// again; a maximum below the pick count gives no picks instead of an endless wait.
TEST(ChartPainterTest, RandomLottoPicksAreDistinctAndRepeatWithTheSeed) {
    ChartData random;
    MarkOneHot(random.pageFlags, kSixNumberPage);
    random.pickMode = 1;
    const GameSettings settings{26, 49, 49, 42, 5};
    RandomGenerator first(17);
    RandomGenerator second(17);
    const ChartPicture picture = MakeChartPicture(random, settings, first);
    ASSERT_TRUE(picture.lottoPicks.has_value());
    const std::vector<int>& picks = picture.lottoPicks->picks;
    ASSERT_EQ(picks.size(), 6U);
    EXPECT_EQ(std::set<int>(picks.begin(), picks.end()).size(), 6U);
    EXPECT_TRUE(std::all_of(picks.begin(), picks.end(), [](int ball) { return ball >= 1 && ball <= 49; }));
    EXPECT_EQ(MakeChartPicture(random, settings, second).lottoPicks->picks, picks);
    RandomGenerator unconfigured(17);
    EXPECT_TRUE(
        MakeChartPicture(random, GameSettings{26, 5, 49, 42, 5}, unconfigured).lottoPicks->picks.empty());
}

// Picks stand as balls left to right, centred, over a plate naming the game and the operation: digit balls
// for the digit games (000 is a pick too), lotto balls with Best Guess's own picks, the Power Ball last
// after the plus sign.
TEST(ChartPainterTest, PicksAreBallsCaptionedWithTheGameAndTheOperation) {
    const struct {
        int game;
        std::optional<Operation> pickOperation;
        bool picksPresent;
        int pickMode;
        std::string caption;
        std::vector<int> balls; // none: random picks
    } cases[] = {
        {kFourNumberPage, kBestGuess, false, 307, "4 Number Game: Best Guess", {0, 3, 0, 7}},
        {kThreeNumberPage, kRandom, false, 0, "3 Number Game: Random", {0, 0, 0}},
        {kPowerballPage, kBestGuess, true, 1, "Powerball Game: Best Guess", {3, 14, 25, 36, 40, 9}},
        {kSixNumberPage, kRandom, false, 1, "6 Number Game: Random", {}},
        {kFiveNumberPage, kBestGuess, true, 1, "5 Number Game: Best Guess", {}}, // too little history
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        ChartData chart;
        MarkOneHot(chart.pageFlags, c.game);
        chart.pickOperation = c.pickOperation;
        chart.picksPresent = c.picksPresent;
        chart.chartPicks = {c.game == kFiveNumberPage ? -1 : 3, 14, 25, 36, 40, 9, 0, 0, 0, 0};
        chart.pickMode = c.pickMode;
        chart.digitPickPresent = c.game <= kFourNumberPage;
        RandomGenerator random(3);
        const ChartPicture picture = MakeChartPicture(chart, GameSettings{26, 49, 49, 42, 5}, random);
        EXPECT_EQ(PickCaption(picture).toStdString(), c.caption);
        const QImage image = Render(picture);
        const int ballSize = c.game <= kFourNumberPage ? 40 : 34;
        EXPECT_EQ(image.pixel(kWidth / 2, kHeight / 2 + 50 + ballSize + 8 + 3), qRgb(30, 30, 60))
            << "the plate";
        if (c.game <= kFourNumberPage) {
            ExpectBalls(image, kWidth / 2 - static_cast<int>(c.balls.size()) * 20, 40, c.balls,
                        &PaintDigitBall);
        } else if (!c.balls.empty()) {
            ASSERT_TRUE(picture.lottoPicks.has_value());
            EXPECT_EQ(picture.lottoPicks->picks, c.balls);
            EXPECT_TRUE(picture.lottoPicks->powerBall);
            EXPECT_FALSE(picture.lottoPicks->insufficient);
            const int left = kWidth / 2 - (6 * 34 + 24) / 2 + 1;
            ExpectBalls(image, left, 34, {3, 14, 25, 36, 40}, &PaintLottoBall);
            ExpectBalls(image, left + 5 * 34 + 24, 34, {9}, &PaintPowerBall);
        }
    }
    // No picks, no caption: a distribution, and lotto picks once they have been shown.
    EXPECT_TRUE(PickCaption(LottoDistribution(kFiveNumberPage, Counts(26, {{1, 1}}))).isEmpty());
    ChartPicture shown;
    MarkOneHot(shown.chart.pageFlags, kSixNumberPage);
    shown.chart.pickMode = 1;
    EXPECT_TRUE(PickCaption(shown).isEmpty());
}

// A widget painted through a CachedPicture, which counts the times its picture is painted anew.
class CachedWidget final : public QWidget {
public:
    int paints = 0;
    int fontSize = 0;
    CachedPicture picture{[this](QPainter& painter, const QRectF& area) {
        ++paints;
        fontSize = painter.font().pixelSize();
        painter.fillRect(area, Qt::blue);
        painter.fillRect(QRectF(area.topLeft(), QSizeF(4, 4)), Qt::red);
    }};

protected:
    void paintEvent(QPaintEvent*) override { picture.PaintOn(*this); }
};

// Painted once (ahead, here) and copied on every repaint; painted anew at a new size or font, which the
// painter starts with; shown whole from the widget's corner.
TEST(CachedPictureTest, PaintsOnceAndAgainOnlyForANewSizeOrFont) {
    CachedWidget widget;
    widget.resize(40, 20);
    widget.picture.Prepare(widget);
    const struct {
        QSize size;
        int fontSize;
        int paints;
    } steps[] = {{{40, 20}, 0, 1}, {{40, 20}, 0, 1}, {{30, 24}, 0, 2}, {{30, 24}, 17, 3}};
    for (const auto& step : steps) {
        widget.resize(step.size);
        if (step.fontSize > 0) {
            QFont font = widget.font();
            font.setPixelSize(step.fontSize);
            widget.setFont(font);
        }
        const QImage shown = widget.grab().toImage();
        EXPECT_EQ(widget.paints, step.paints) << step.size.width() << ' ' << step.fontSize;
        EXPECT_EQ(shown.size(), step.size * shown.devicePixelRatio());
        EXPECT_EQ(shown.pixel(1, 1), qRgb(255, 0, 0));
        EXPECT_EQ(shown.pixel(shown.width() - 1, shown.height() - 1), qRgb(0, 0, 255));
    }
    EXPECT_EQ(widget.fontSize, 17);
}

} // namespace
} // namespace vantorel::test
