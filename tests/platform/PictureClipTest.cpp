#include "platform/pictures/PictureClip.h"

#include "DrawnPicture.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/pictures/RasterPicture.h"
#include "platform/pictures/VectorPicture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

QColor cellColor(int k) {
    return QColor(10 * k + 5, 250 - 10 * k, (k * 37) % 256);
}

// A picture set of 40 × 100 pixels: cell k (20 × 10) filled with cellColor(k).
QImage rasterSet() {
    QImage image(40, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int k = 0; k < PictureClip::CellCount; ++k)
        painter.fillRect(PictureClip::cellRect(image.size(), k).toRect(), cellColor(k));
    return image;
}

// The same as SVG on a 200 × 500 view box, with a black bar just left of the view box that the
// renderer would draw if nothing kept it off.
QByteArray svgSet() {
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='200' height='500' "
                     "viewBox='0 0 200 500'>"
                     "<rect x='-60' y='0' width='60' height='500' fill='black'/>";
    for (int k = 0; k < PictureClip::CellCount; ++k)
        svg += QStringLiteral("<rect x='%1' y='%2' width='100' height='50' fill='%3'/>")
                   .arg((k % 2) * 100)
                   .arg((k / 2) * 50)
                   .arg(cellColor(k).name())
                   .toUtf8();
    return svg + "</svg>";
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

// Every pixel inside `inside` (less a margin for anti-aliased edges) has the colour, every
// pixel outside `target` stays white.
::testing::AssertionResult drawsOnly(const QImage& canvas, const QRect& target, QColor color,
                                     int margin) {
    const QRect inner = target.adjusted(margin, margin, -margin, -margin);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QColor c = canvas.pixelColor(x, y);
            if (inner.contains(x, y) && c != color)
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << c.name().toStdString()
                       << ", expected " << color.name().toStdString();
            if (!target.contains(x, y) && c != QColor(Qt::white))
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " outside the target is "
                       << c.name().toStdString();
        }
    return ::testing::AssertionSuccess();
}

// A picture kind of another origin, cut by drawing it whole under a clip.
class ForeignPicture : public Picture {
public:
    explicit ForeignPicture(QImage image)
        : m_inner(std::move(image)) {}
    QSizeF size() const override { return m_inner.size(); }
    void draw(QPainter& painter, const QRectF& target) const override {
        m_inner.draw(painter, target);
    }

private:
    RasterPicture m_inner;
};

void expectError(qint32 number, const std::function<void()>& f) {
    try {
        f();
        ADD_FAILURE() << "no error, expected " << number;
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), number) << e.description().toStdString();
        EXPECT_FALSE(e.description().isEmpty());
    }
}

} // namespace

TEST(PictureClip, RasterCellDrawsOnlyItsRegionAndIsMadeOnce) {
    PictureClip clip;
    clip.setPicture(loadPicture(encoded(rasterSet(), "PNG")));
    for (int k : {0, 1, 7, 18, 19}) {
        const auto cell = clip.GraphicCell(k);
        EXPECT_EQ(cell->size(), QSizeF(20, 10));
        EXPECT_TRUE(drawsOnly(drawn(*cell, QRectF(100, 50, 60, 40)), QRect(100, 50, 60, 40),
                              cellColor(k), 0))
            << k;
    }
    const auto once = clip.GraphicCell(5);
    EXPECT_EQ(clip.GraphicCell(5), once);
    // Its own image, drawn again and again, so the PDF engine embeds it once.
    const auto* raster = dynamic_cast<const RasterPicture*>(once.get());
    ASSERT_NE(raster, nullptr);
    EXPECT_EQ(raster->image().size(), QSize(20, 10));

    clip.setPicture(std::make_shared<RasterPicture>(rasterSet()));
    EXPECT_NE(clip.GraphicCell(5), once);
}

TEST(PictureClip, ReusedRasterCellIsEmbeddedOnceInAPdf) {
    // Noise does not compress, so every embedded copy shows in the file's size.
    QImage noise(400, 1000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xFF000000u);
    const auto pdfSize = [](const std::function<std::shared_ptr<const Picture>()>& cell) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        for (int i = 0; i < 7; ++i)
            cell()->draw(painter, QRectF(100, 100 + 1200 * i, 1400, 700));
        painter.end();
        return bytes.size();
    };
    PictureClip clip;
    clip.setPicture(std::make_shared<RasterPicture>(noise));
    const auto reused = pdfSize([&] { return clip.GraphicCell(0); });
    const auto copies = pdfSize([&] {
        PictureClip fresh;
        fresh.setPicture(std::make_shared<RasterPicture>(noise));
        return fresh.GraphicCell(0);
    });
    EXPECT_LT(reused * 3, copies) << reused << " bytes against " << copies;
}

TEST(PictureClip, VectorCellStaysVectorAndDrawsOnlyItsRegion) {
    PictureClip clip;
    clip.setPicture(loadPicture(svgSet()));
    for (int k : {0, 1, 10, 19}) {
        const auto cell = clip.GraphicCell(k);
        ASSERT_NE(dynamic_cast<const VectorPicture*>(cell.get()), nullptr);
        EXPECT_EQ(cell->size(), QSizeF(100, 50));
        // Stretched unevenly; the black bar left of the view box stays off for cell 0 too.
        EXPECT_TRUE(drawsOnly(drawn(*cell, QRectF(100, 50, 140, 35)), QRect(100, 50, 140, 35),
                              cellColor(k), 1))
            << k;
    }
}

TEST(PictureClip, OtherPictureKindsAreCutByClipping) {
    PictureClip clip;
    clip.setPicture(std::make_shared<ForeignPicture>(rasterSet()));
    EXPECT_TRUE(drawsOnly(drawn(*clip.GraphicCell(13), QRectF(10, 10, 40, 20)),
                          QRect(10, 10, 40, 20), cellColor(13), 0));
}

TEST(PictureClip, BadCellOrNoPictureSetIsAnError) {
    PictureClip clip;
    expectError(ErrNo::InvalidPicture, [&] { clip.GraphicCell(0); });
    clip.setPicture(std::make_shared<RasterPicture>(rasterSet()));
    expectError(ErrNo::InvalidPropertyValue, [&] { clip.GraphicCell(-1); });
    expectError(ErrNo::InvalidPropertyValue, [&] { clip.GraphicCell(20); });
}

TEST(PictureLoader, ReadsPngJpegAndSvg) {
    QImage strip(1170, 176, QImage::Format_RGB32);
    strip.fill(Qt::darkGreen);
    const auto png = loadPicture(encoded(strip, "PNG"));
    EXPECT_EQ(png->size(), QSizeF(1170, 176));
    const auto jpeg = loadPicture(encoded(strip, "JPEG"));
    EXPECT_EQ(jpeg->size(), QSizeF(1170, 176));
    EXPECT_NE(dynamic_cast<const RasterPicture*>(jpeg.get()), nullptr);
    const auto svg = loadPicture("\xEF\xBB\xBF  " + svgSet());
    EXPECT_EQ(svg->size(), QSizeF(200, 500));
    EXPECT_NE(dynamic_cast<const VectorPicture*>(svg.get()), nullptr);
}

TEST(PictureLoader, UnreadableDataIsAnInvalidPicture) {
    expectError(ErrNo::InvalidPicture, [] { loadPicture({}); });
    expectError(ErrNo::InvalidPicture, [] { loadPicture("not a picture at all"); });
    expectError(ErrNo::InvalidPicture, [] { loadPicture(encoded(rasterSet(), "PNG").left(60)); });
    expectError(ErrNo::InvalidPicture,
                [] { loadPicture("<svg xmlns='http://www.w3.org/2000/svg'"); });
}
