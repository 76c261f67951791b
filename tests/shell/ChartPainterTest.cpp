#include "shell/ChartPainter.h"
#include "platform/RandomGenerator.h"
#include "shell/Artwork.h"
#include "shell/ChartPicture.h"
#include "shell/OperationsSheet.h"

#include <QImage>
#include <QPainter>

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

// Bars stand on row 258 and are count / largest x 220 high, with a black outline; the largest count is
// red, the lowest ball winning a tie; a ball never drawn keeps a one-row bar.
TEST(ChartPainterTest, LottoBarsFollowTheCountsAndTheHottestBallIsRed) {
    struct Case {
        int game;
        int slotWidth;
        int barWidth;
        QRect hottestText;
    };
    const std::vector<Case> cases = {
        {kFiveNumberPage, 460 / 26, 460 / 26 - 6, QRect(23, 22, 120, 14)},
        {kSixNumberPage, 450 / 49, 450 / 49 - 2, QRect(151, 22, 120, 14)},
        {kPowerballPage, 450 / 49, 450 / 49 - 2, QRect(23, 22, 120, 14)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game);
        const QImage image = Render(LottoDistribution(c.game, Counts(49, {{7, 10}, {3, 10}, {20, 5}})));
        const auto barLeft = [&c](int ball) {
            return 17 + (ball - 1) * c.slotWidth;
        };
        const int middle = c.barWidth / 2;
        EXPECT_EQ(image.pixel(barLeft(3) + middle, 100), kRed);
        EXPECT_EQ(image.pixel(barLeft(3) + middle, 38), kBlack); // top outline: 258 - 220
        EXPECT_EQ(image.pixel(barLeft(3) + middle, 37), kWhite);
        EXPECT_EQ(image.pixel(barLeft(3), 100), kBlack); // side outline
        EXPECT_EQ(image.pixel(barLeft(3) + c.barWidth, 100), kWhite);
        EXPECT_EQ(image.pixel(barLeft(7) + middle, 100), kViolet);
        EXPECT_EQ(image.pixel(barLeft(20) + middle, 200), kViolet);
        EXPECT_EQ(image.pixel(barLeft(20) + middle, 148), kBlack); // 258 - 110
        EXPECT_EQ(image.pixel(barLeft(20) + middle, 147), kWhite);
        EXPECT_EQ(image.pixel(barLeft(1) + middle, 258), kBlack);
        EXPECT_EQ(image.pixel(barLeft(1) + middle, 257), kWhite);
        EXPECT_TRUE(AnyPixel(image, c.hottestText, [](QRgb pixel) { return pixel != kWhite; }));
    }
}

// Power Ball group 2: yellow bars 5 wide from x 20, its hottest green; a group that was never drawn has no
// highlighted bar and no text.
TEST(ChartPainterTest, PowerballGroupTwoIsYellowWithItsHottestGreen) {
    const QRect powerballText(233, 22, kWidth - 233, 14);
    const QImage counted =
        Render(LottoDistribution(kPowerballPage, Counts(49, {{10, 4}}), Counts(42, {{4, 6}, {2, 6}})));
    EXPECT_EQ(counted.pixel(20 + 9 + 2, 100), kGreen);
    EXPECT_EQ(counted.pixel(20 + 3 * 9 + 2, 100), kYellow);
    EXPECT_EQ(counted.pixel(20 + 9 * 9 + 2, 100), kRed); // group 1's ball 10 shows beside group 2's bar
    EXPECT_TRUE(AnyPixel(counted, powerballText, [](QRgb pixel) { return pixel != kWhite; }));

    const QImage unplayed = Render(LottoDistribution(kPowerballPage, Counts(49, {{10, 4}}), Counts(42, {})));
    EXPECT_FALSE(AnyPixel(unplayed, unplayed.rect(), [](QRgb pixel) { return pixel == kGreen; }));
    EXPECT_FALSE(AnyPixel(unplayed, powerballText, [](QRgb pixel) { return pixel != kWhite; }));
    const QImage nothing = Render(LottoDistribution(kFiveNumberPage, Counts(26, {})));
    EXPECT_FALSE(AnyPixel(nothing, nothing.rect(), [](QRgb pixel) { return pixel == kRed; }));
    EXPECT_FALSE(AnyPixel(nothing, QRect(23, 22, 200, 14), [](QRgb pixel) { return pixel != kWhite; }));
}

// Maximums up to 99 give every ball a visible bar, and nothing is drawn outside the target, also when the
// Power Ball group 2 is the larger one.
TEST(ChartPainterTest, EveryBallUpToNinetyNineFitsTheCanvas) {
    struct Case {
        int game;
        GameSettings settings;
        int balls;
    };
    const std::vector<Case> cases = {
        {kFiveNumberPage, GameSettings{99, 49, 49, 42, 5}, 99},
        {kSixNumberPage, GameSettings{26, 99, 49, 42, 5}, 99},
        {kPowerballPage, GameSettings{26, 49, 49, 99, 5}, 99},
        {kPowerballPage, GameSettings{26, 49, 99, 99, 5}, 99},
        {kFiveNumberPage, GameSettings{500, 49, 49, 42, 5}, 99}, // no pictures beyond 99
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game);
        std::vector<int> counts(101, 10);
        ChartPicture picture = LottoDistribution(c.game, counts, counts);
        picture.settings = c.settings;
        const QImage image = Render(picture, QSize(kWidth + 100, kHeight + 100));
        EXPECT_FALSE(AnyPixel(image, QRect(kWidth, 0, 100, kHeight + 100),
                              [](QRgb p) { return p != qRgb(255, 0, 255); }));
        EXPECT_FALSE(
            AnyPixel(image, QRect(0, kHeight, kWidth, 100), [](QRgb p) { return p != qRgb(255, 0, 255); }));
        const int slot = (c.game == kFiveNumberPage ? 460 : 450) / c.balls;
        for (int ball = 1; ball <= c.balls; ++ball) {
            const QRect slotArea(17 + (ball - 1) * slot, 100, slot, 1);
            ASSERT_TRUE(AnyPixel(image, slotArea, [](QRgb pixel) { return pixel != kWhite; })) << ball;
        }
    }
}

// Ten rows: a thick violet bar for the deciles and a thin green one for the digit counts, each the share
// of its largest value of the width less 90.
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
        const int thick = (row + 1) * 2 * kRoom / 20;
        const int thin = (40 - 4 * row) * kRoom / 40;
        const int thickMiddle = 28 + 25 * row + 2;
        EXPECT_EQ(image.pixel(84, thickMiddle), kBlack);
        EXPECT_EQ(image.pixel(84 + thick - 3, thickMiddle), kViolet);
        EXPECT_EQ(image.pixel(84 + thick + 1, thickMiddle), kWhite);
        EXPECT_EQ(image.pixel(84 + thin - 3, 33 + 25 * row + 1), kGreen);
        EXPECT_EQ(image.pixel(84 + thin + 1, 33 + 25 * row + 1), thin + 1 < thick ? kViolet : kWhite);
        EXPECT_TRUE(
            AnyPixel(image, QRect(3, 29 + 25 * row, 78, 12), [](QRgb pixel) { return pixel != kWhite; }));
    }
    // The title names the game whose series is drawn, whichever game page was active last.
    ChartPicture laterPage = picture;
    MarkOneHot(laterPage.chart.pageFlags, kFourNumberPage);
    EXPECT_EQ(Render(laterPage), image);
}

// The picked number as digit balls, left to right, centred on the title screen; 000 is a pick too.
TEST(ChartPainterTest, DigitPicksAreDigitBallsLeftToRight) {
    struct Case {
        int game;
        int pickedNumber;
        std::vector<int> digits;
    };
    for (const Case& c :
         std::vector<Case>{{kFourNumberPage, 307, {0, 3, 0, 7}}, {kThreeNumberPage, 0, {0, 0, 0}}}) {
        SCOPED_TRACE(c.pickedNumber);
        ChartPicture picture;
        MarkOneHot(picture.chart.pageFlags, c.game);
        picture.chart.pickMode = c.pickedNumber;
        picture.chart.digitPickPresent = true;
        ExpectBalls(Render(picture), kWidth / 2 - static_cast<int>(c.digits.size()) * 20, 40, c.digits,
                    &PaintDigitBall);
    }
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

    ExpectBalls(Render(picture), kWidth / 2 - 3 * 34 + 1, 34, picks, &PaintLottoBall);

    RandomGenerator unconfigured(17);
    EXPECT_TRUE(
        MakeChartPicture(random, GameSettings{26, 5, 49, 42, 5}, unconfigured).lottoPicks->picks.empty());
}

// Best Guess hands over its own picks; a Power Ball pick row ends with the plus sign and the Power Ball.
TEST(ChartPainterTest, BestGuessPicksAreShownAsHandedOver) {
    ChartData guess;
    MarkOneHot(guess.pageFlags, kPowerballPage);
    guess.pickMode = 1;
    guess.picksPresent = true;
    guess.chartPicks = {3, 14, 25, 36, 47, 9, 0, 0, 0, 0};
    RandomGenerator random(1);
    const ChartPicture picture = MakeChartPicture(guess, GameSettings{26, 49, 49, 42, 5}, random);
    ASSERT_TRUE(picture.lottoPicks.has_value());
    EXPECT_EQ(picture.lottoPicks->picks, (std::vector<int>{3, 14, 25, 36, 47, 9}));
    EXPECT_TRUE(picture.lottoPicks->powerBall);
    EXPECT_FALSE(picture.lottoPicks->insufficient);

    ExpectBalls(Render(picture), kWidth / 2 - (6 * 34 + 24) / 2 + 1 + 5 * 34 + 24, 34, {9}, &PaintPowerBall);
}

} // namespace
} // namespace vantorel::test
