#include "app/PreviewBox.h"

#include "platform/RasterPicture.h"

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
