// The two coin-strip pictures compiled into the program: their format and size, and that the
// back's coins lie exactly behind the front's when the printed sheet is turned over.

#include "resources/ProgramResources.h"

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

// The resources live in a static library: their registration must be pulled in by hand.
// (Kept in the global namespace, where the registration function is declared.)

namespace {

constexpr int Width = 1170;
constexpr int Height = 176;

const char* const FrontPath = ":/coins/coins-front.jpg";
const char* const BackPath = ":/coins/coins-back.jpg";

// A pixel of blank paper; the JPEG leaves some noise around the coins' edges.
bool isPaper(QRgb p) {
    return qRed(p) >= 240 && qGreen(p) >= 240 && qBlue(p) >= 240;
}

struct CoinSpan {
    int first = 0;
    int last = 0;
    double centre() const { return (first + last) / 2.0; }
    int width() const { return last - first + 1; }
};

QImage loadStrip(const char* path) {
    zavolin::initProgramResources();
    QImageReader reader(QString::fromLatin1(path));
    EXPECT_EQ(reader.format(), QByteArray("jpeg")) << path;
    const QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << path << ": " << reader.errorString().toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

// How many pixels of each column are not paper.
QVector<int> columnProfile(const QImage& image) {
    QVector<int> profile(image.width(), 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            profile[x] += isPaper(line[x]) ? 0 : 1;
    }
    return profile;
}

// Stretches of columns that cross a coin, separated by columns of (almost) blank paper.
QVector<CoinSpan> coinRuns(const QVector<int>& profile) {
    constexpr int MinInk = 6; // more than stray JPEG noise, less than a coin's edge chord
    QVector<CoinSpan> runs;
    bool inside = false;
    for (int x = 0; x < profile.size(); ++x) {
        if (profile[x] >= MinInk && !inside) {
            runs.append({x, x});
            inside = true;
        } else if (profile[x] >= MinInk) {
            runs.last().last = x;
        } else {
            inside = false;
        }
    }
    return runs;
}

// Mean HSV saturation (0..255) of the pixels between two radii around a coin's centre.
double meanSaturation(const QImage& image, const CoinSpan& coin, double fromR, double toR) {
    const double cx = coin.centre();
    const double cy = (Height - 1) / 2.0;
    const double r = coin.width() / 2.0;
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = coin.first; x <= coin.last; ++x) {
            const double d = std::hypot(x - cx, y - cy) / r;
            if (d >= fromR && d <= toR) {
                sum += QColor(image.pixel(x, y)).hsvSaturation();
                ++count;
            }
        }
    return count > 0 ? sum / count : 0.0;
}

TEST(CoinStrips, AreJpegsOfTheStripPictureSize) {
    for (const char* path : {FrontPath, BackPath}) {
        const QImage image = loadStrip(path);
        EXPECT_EQ(image.width(), Width) << path;
        EXPECT_EQ(image.height(), Height) << path;
    }
}

TEST(CoinStrips, EachShowsEightSeparateCoinsClearOfTheCutEdges) {
    for (const char* path : {FrontPath, BackPath}) {
        const QImage image = loadStrip(path);
        ASSERT_EQ(image.size(), QSize(Width, Height));
        EXPECT_EQ(coinRuns(columnProfile(image)).size(), 8) << path;

        // The strip is cut along its edges: no coin may reach into the outermost pixels.
        for (int x = 0; x < Width; ++x)
            for (int y : {0, 1, 2, Height - 3, Height - 2, Height - 1})
                ASSERT_TRUE(isPaper(image.pixel(x, y))) << path << " at " << x << "," << y;
        for (int y = 0; y < Height; ++y)
            for (int x : {0, 1, 2, Width - 3, Width - 2, Width - 1})
                ASSERT_TRUE(isPaper(image.pixel(x, y))) << path << " at " << x << "," << y;
    }
}

TEST(CoinStrips, FrontCoinsGrowWithTheirWorth) {
    const QVector<CoinSpan> runs = coinRuns(columnProfile(loadStrip(FrontPath)));
    ASSERT_EQ(runs.size(), 8);
    // Left to right the whole units "2", "1", then the hundredths "50", "20", "10", "5", "2",
    // "1": each visibly larger than the next, so size alone sorts them by worth.
    for (int i = 0; i + 1 < 8; ++i)
        EXPECT_GT(runs[i].width(), runs[i + 1].width() + 2)
            << "coin " << i << " against coin " << i + 1;
}

TEST(CoinStrips, BackPutsEveryCoinBehindItsFrontWhenTurnedOver) {
    const QVector<int> front = columnProfile(loadStrip(FrontPath));
    const QVector<int> back = columnProfile(loadStrip(BackPath));
    ASSERT_EQ(front.size(), Width);
    ASSERT_EQ(back.size(), Width);

    const QVector<CoinSpan> frontRuns = coinRuns(front);
    const QVector<CoinSpan> backRuns = coinRuns(back);
    ASSERT_EQ(frontRuns.size(), 8);
    ASSERT_EQ(backRuns.size(), 8);
    for (int i = 0; i < 8; ++i) {
        const CoinSpan& f = frontRuns[i];
        const CoinSpan& b = backRuns[7 - i];
        EXPECT_NEAR(b.centre(), (Width - 1) - f.centre(), 1.0) << "front coin " << i;
        EXPECT_NEAR(b.width(), f.width(), 2) << "front coin " << i;
    }

    // Column by column the coins' outlines match too, not just their centres: each front column
    // agrees with its mirror column, allowing one column of anti-aliasing either way.
    int mismatches = 0;
    int firstMismatch = -1;
    for (int x = 0; x < Width; ++x) {
        const int m = Width - 1 - x;
        const auto [low, high] =
            std::minmax({back[std::max(m - 1, 0)], back[m], back[std::min(m + 1, Width - 1)]});
        if (front[x] < low - 3 || front[x] > high + 3) {
            ++mismatches;
            if (firstMismatch < 0)
                firstMismatch = x;
        }
    }
    EXPECT_EQ(mismatches, 0) << "first at front column " << firstMismatch;
    // And the coins are solid: no highlight is so bright that it passes for paper.
    for (const CoinSpan& f : frontRuns)
        EXPECT_GE(front[int(f.centre())], f.width() - 2) << "coin at column " << f.centre();
}

// The strip is printed at about 6.5 pixels per millimetre: lettering under 2.5 mm blurs there.
constexpr double PxPerMmDown = Height / 27.0;

enum class Rim { Top, Bottom };

// The longest dark vertical stroke, in millimetres, in the rim band at 12 or 6 o'clock: below
// the dark cutting line and the raised edge, up to the field. Near those points rim letters
// stand upright, so this is their height. Dark in grey, so colour cannot make up for it.
double tallestRimStrokeMm(const QImage& image, const CoinSpan& coin, Rim rim) {
    const auto dark = [](QRgb p) { return qGray(p) < 110; };
    const int cx = int(coin.centre());
    const int step = rim == Rim::Top ? 1 : -1;
    int edge = rim == Rim::Top ? 0 : Height - 1;
    while (edge >= 0 && edge < Height && isPaper(image.pixel(cx, edge)))
        edge += step;
    const int from = int(0.95 * PxPerMmDown);
    const int to = int(4.0 * PxPerMmDown);
    int tallest = 0;
    for (int x = cx - coin.width() / 5; x <= cx + coin.width() / 5; ++x) {
        int run = 0;
        for (int d = from; d < to; ++d) {
            run = dark(image.pixel(x, edge + step * d)) ? run + 1 : 0;
            tallest = std::max(tallest, run);
        }
    }
    return tallest / PxPerMmDown;
}

// The top of every coin's rim carries "SPIELGELD".
TEST(CoinStrips, RimLetteringIsAtLeastTwoAndAHalfMillimetresHighOnEveryCoin) {
    for (const char* path : {FrontPath, BackPath}) {
        const QImage image = loadStrip(path);
        const QVector<CoinSpan> runs = coinRuns(columnProfile(image));
        ASSERT_EQ(runs.size(), 8) << path;
        for (const CoinSpan& coin : runs) {
            const double height = tallestRimStrokeMm(image, coin, Rim::Top);
            EXPECT_GE(height, 2.5) << path << " coin at column " << coin.centre();
            EXPECT_LE(height, 3.0) << path << " coin at column " << coin.centre();
        }
    }
}

// The hundredths carry their unit mark on the lower rim, as tall as the rim words, on both
// faces; the whole units have only small bosses there, nothing that could pass for a mark.
TEST(CoinStrips, OnlyTheHundredthsCarryAUnitMarkAndItIsAsTallAsTheRimLettering) {
    for (const char* path : {FrontPath, BackPath}) {
        const QImage image = loadStrip(path);
        QVector<CoinSpan> runs = coinRuns(columnProfile(image));
        ASSERT_EQ(runs.size(), 8) << path;
        if (path == BackPath)
            std::reverse(runs.begin(), runs.end()); // same order as on the front
        for (int i = 0; i < 8; ++i) {
            const double height = tallestRimStrokeMm(image, runs[i], Rim::Bottom);
            if (i < 2) {
                EXPECT_LT(height, 1.5) << path << " whole unit " << i;
            } else {
                EXPECT_GE(height, 2.5) << path << " hundredth " << i;
                EXPECT_LE(height, 3.0) << path << " hundredth " << i;
            }
        }
    }
}

TEST(CoinStrips, OnlyTheTwoHighestCoinsAreTwoColoured) {
    for (const char* path : {FrontPath, BackPath}) {
        const QImage image = loadStrip(path);
        QVector<CoinSpan> runs = coinRuns(columnProfile(image));
        ASSERT_EQ(runs.size(), 8);
        if (path == BackPath)
            std::reverse(runs.begin(), runs.end()); // same order as on the front
        // Ring against centre: silver around gold ("2"), gold around silver ("1"); the others
        // are of one metal throughout.
        const double ring0 = meanSaturation(image, runs[0], 0.80, 0.90);
        const double centre0 = meanSaturation(image, runs[0], 0.0, 0.65);
        const double ring1 = meanSaturation(image, runs[1], 0.80, 0.90);
        const double centre1 = meanSaturation(image, runs[1], 0.0, 0.65);
        EXPECT_LT(ring0 + 60, centre0) << path;
        EXPECT_GT(ring1, centre1 + 60) << path;
        for (int i = 2; i < 8; ++i) {
            const double ring = meanSaturation(image, runs[i], 0.80, 0.90);
            const double centre = meanSaturation(image, runs[i], 0.0, 0.65);
            EXPECT_NEAR(ring, centre, 40) << path << " coin " << i;
        }
    }
}

} // namespace
