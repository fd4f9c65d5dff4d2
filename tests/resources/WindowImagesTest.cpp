// The main window's pictures as the resources hold them.

#include "resources/ProgramResources.h"

#include <QImage>
#include <QSet>
#include <cstdlib>
#include <gtest/gtest.h>

namespace zavolin {
namespace {

QImage resourceImage(const QString& name) {
    initProgramResources();
    QImage image(QStringLiteral(":/images/") + name);
    EXPECT_FALSE(image.isNull()) << name.toStdString();
    return image;
}

// Mean brightness step between neighbouring pixels, across the tile's edge (wrapping round)
// and inside it.
struct Steps {
    double acrossEdge = 0;
    double inside = 0;
};

Steps horizontalSteps(const QImage& image) {
    Steps steps;
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        steps.acrossEdge += std::abs(qGray(image.pixel(w - 1, y)) - qGray(image.pixel(0, y)));
        for (int x = 0; x + 1 < w; ++x)
            steps.inside += std::abs(qGray(image.pixel(x + 1, y)) - qGray(image.pixel(x, y)));
    }
    steps.acrossEdge /= image.height();
    steps.inside /= double(image.height()) * (w - 1);
    return steps;
}

TEST(WindowImagesTest, BackgroundTileIs400SquareIn16ColoursAndTilesWithoutSeams) {
    const QImage tile = resourceImage("background-tile.png");
    ASSERT_EQ(tile.size(), QSize(400, 400));
    EXPECT_EQ(tile.format(), QImage::Format_Indexed8);
    EXPECT_LE(tile.colorCount(), 16);
    QSet<QRgb> used;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            used.insert(tile.pixel(x, y));
    EXPECT_LE(used.size(), 16);
    EXPECT_GT(used.size(), 4); // a pattern, not a flat fill

    // A seam would show as a jump between the last and first columns (or rows) far larger
    // than the steps between neighbours inside the tile.
    const Steps across = horizontalSteps(tile);
    const Steps down = horizontalSteps(tile.transformed(QTransform().rotate(90)));
    EXPECT_LE(across.acrossEdge, 2.0 * across.inside + 1.0);
    EXPECT_LE(down.acrossEdge, 2.0 * down.inside + 1.0);
}

TEST(WindowImagesTest, ToolbarIconsAndFlagsAre32Square) {
    for (const char* name : {"tool-print.png", "tool-adjust.png", "tool-exit.png", "tool-help.png",
                             "flag-de.png", "flag-gb.png", "flag-es.png", "flag-it.png"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(resourceImage(QString::fromLatin1(name)).size(), QSize(32, 32));
    }
}

TEST(WindowImagesTest, WindowIconComesIn32And64) {
    EXPECT_EQ(resourceImage("zavolin-32.png").size(), QSize(32, 32));
    EXPECT_EQ(resourceImage("zavolin-64.png").size(), QSize(64, 64));
}

} // namespace
} // namespace zavolin
