// The line finder the print and sheet tests measure with, on pages drawn here.
#include "support/PrintedPdf.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

constexpr int Dpi = 600;
constexpr double PxPerMm = Dpi / 25.4;
const QColor Grey(192, 192, 192);

// A white 60 x 40 mm page, drawn on in millimetres.
class Page {
public:
    Page()
        : image(int(60 * PxPerMm), int(40 * PxPerMm), QImage::Format_RGB32) {
        image.fill(Qt::white);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(PxPerMm, PxPerMm);
    }
    void line(double x1, double y1, double x2, double y2, double width = 0.1) {
        painter.setPen(QPen(Grey, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QLineF(x1, y1, x2, y2));
    }
    PageRaster raster() {
        painter.end();
        return PageRaster::fromImage(image, Dpi);
    }
    QImage image;
    QPainter painter;
};

TEST(LineFinder, FindsSubPixelCentresThicknessAndExtent) {
    Page page;
    page.line(5, 10.37, 50, 10.37);
    page.line(5, 20.013, 50, 20.013, 0.25);
    page.line(12.52, 3, 12.52, 35); // crosses both
    const PageRaster raster = page.raster();
    const QList<FoundLine> horizontal = raster.horizontalLines();
    ASSERT_EQ(horizontal.size(), 2);
    EXPECT_NEAR(horizontal[0].across, 10.37, 0.01);
    EXPECT_NEAR(horizontal[0].thickness, 0.1, 0.02);
    EXPECT_NEAR(horizontal[0].start, 5, 0.05);
    EXPECT_NEAR(horizontal[0].end, 50, 0.05);
    EXPECT_NEAR(horizontal[1].across, 20.013, 0.01);
    EXPECT_NEAR(horizontal[1].thickness, 0.25, 0.02);
    const QList<FoundLine> vertical = raster.verticalLines();
    ASSERT_EQ(vertical.size(), 1);
    EXPECT_NEAR(vertical[0].across, 12.52, 0.01);
    EXPECT_NEAR(vertical[0].length(), 32, 0.05);
}

TEST(LineFinder, IgnoresOtherGreysShortStrokesAndTextButMeasuresLinesBesideThem) {
    Page page;
    page.painter.fillRect(QRectF(5, 25, 40, 10), QColor(90, 60, 30)); // a picture
    page.line(5, 24.95, 45, 24.95);                                   // its cut line
    page.painter.setPen(QPen(Qt::black, 0.3));
    page.painter.drawLine(QLineF(5, 5, 50, 5)); // black, not the grey
    page.line(5, 15, 7, 15);                    // 2 mm: too short
    page.painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 3));
    page.painter.drawText(QPointF(20, 12), QStringLiteral("Text near a line"));
    page.line(5, 12.4, 50, 12.4);
    const QList<FoundLine> lines = page.raster().horizontalLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_NEAR(lines[0].across, 12.4, 0.02);
    EXPECT_NEAR(lines[1].across, 24.95, 0.03);
    EXPECT_TRUE(nearestLine(lines, 12.5, 0.2));
    EXPECT_FALSE(nearestLine(lines, 5, 0.5));
}

} // namespace
} // namespace zavolin::test
