#include "app/PreviewBox.h"

#include "platform/pictures/RasterPicture.h"
#include "sheet/ImageSurface.h"

#include <gtest/gtest.h>

using namespace zavolin;

TEST(PreviewBox, DrawsInGreyOnWhiteAtTheWidgetsSize) {
    PreviewBox box;
    box.resize(200, 300); // hidden: no resize event yet
    EXPECT_EQ(box.scaleWidth(), 200);
    EXPECT_EQ(box.scaleHeight(), 300);
    box.clear();
    EXPECT_EQ(box.image().size(), QSize(200, 300));
    EXPECT_EQ(box.image().pixelColor(10, 10), QColor(Qt::white));

    box.line(10, 20, 150, 20);
    EXPECT_EQ(box.image().pixelColor(80, 20), QColor(192, 192, 192));
    EXPECT_EQ(box.image().pixelColor(80, 22), QColor(Qt::white));

    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    box.paintPicture(RasterPicture(red), 50, 100, 40, 30);
    EXPECT_EQ(box.image().pixelColor(70, 115), QColor(Qt::red));

    // Growing keeps what was drawn; the widget shows its image.
    box.resize(250, 320);
    EXPECT_EQ(box.image().size(), QSize(250, 320));
    EXPECT_EQ(box.image().pixelColor(70, 115), QColor(Qt::red));
    EXPECT_EQ(box.image().pixelColor(240, 310), QColor(Qt::white));
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixelColor(80, 20), QColor(192, 192, 192));
    EXPECT_EQ(shown.pixelColor(70, 115), QColor(Qt::red));

    box.clear();
    EXPECT_EQ(box.image().pixelColor(70, 115), QColor(Qt::white));
    EXPECT_EQ(box.image().pixelColor(80, 20), QColor(Qt::white));
}

TEST(PreviewBox, SurfaceAtTwiceTheDensityHoldsTwiceThePixelsWhereTheSameDrawingLands) {
    ImageSurface surface(QSize(200, 300), 2);
    EXPECT_EQ(surface.scaleWidth(), 200);
    EXPECT_EQ(surface.scaleHeight(), 300);
    EXPECT_EQ(surface.image().size(), QSize(400, 600));
    EXPECT_EQ(surface.image().devicePixelRatio(), 2);

    // A line one device pixel wide, at twice the place.
    surface.line(10, 20, 150, 20);
    EXPECT_EQ(surface.image().pixelColor(160, 40), QColor(192, 192, 192));
    EXPECT_EQ(surface.image().pixelColor(160, 41), QColor(Qt::white));
    EXPECT_EQ(surface.image().pixelColor(160, 39), QColor(Qt::white));

    // A picture covers twice the pixels each way: 80 x 60 from (100, 200).
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    surface.paintPicture(RasterPicture(red), 50, 100, 40, 30);
    EXPECT_EQ(surface.image().pixelColor(101, 201), QColor(Qt::red));
    EXPECT_EQ(surface.image().pixelColor(178, 258), QColor(Qt::red));
    EXPECT_EQ(surface.image().pixelColor(98, 230), QColor(Qt::white));
    EXPECT_EQ(surface.image().pixelColor(182, 230), QColor(Qt::white));

    // Back at the density of 1 what was drawn stays at its place.
    surface.resize(QSize(200, 300), 1);
    EXPECT_EQ(surface.image().size(), QSize(200, 300));
    EXPECT_EQ(surface.image().pixelColor(70, 115), QColor(Qt::red));
}
