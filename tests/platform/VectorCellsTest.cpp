// Vector cells as documents of their own: each holds only the artwork of its cell.

#include "DrawnPicture.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/pictures/RasterPicture.h"
#include "platform/pictures/VectorPicture.h"

#include <QBuffer>
#include <QDomDocument>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QSvgRenderer>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

QColor cellColor(int k) {
    return QColor(10 * k + 5, 250 - 10 * k, (k * 37) % 256);
}

QString cellGroupId(int k) {
    return QStringLiteral("note-%1").arg(k);
}

// A set on a 200 × 500 view box drawn as one group per cell, each placed by its own
// translation, all inside an offset layer as drawing programs write it: a filled rectangle, a
// line of text and a path per cell.
QByteArray groupPerCellSet() {
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 500'>"
                     "<g id='layer1' transform='translate(10,0)'>";
    for (int k = 0; k < PictureClip::CellCount; ++k)
        svg += QStringLiteral("<g id='%1' transform='translate(%2,%3)'>"
                              "<rect width='100' height='50' fill='%4'/>"
                              "<text x='10' y='30' font-size='12'>%5</text>"
                              "<path d='M 60 10 L 90 10 L 75 40 Z' fill='none' stroke='black'/>"
                              "</g>")
                   .arg(cellGroupId(k))
                   .arg((k % 2) * 100 - 10)
                   .arg((k / 2) * 50)
                   .arg(cellColor(k).name())
                   .arg(k + 1)
                   .toUtf8();
    return svg + "</g></svg>";
}

std::shared_ptr<const VectorPicture> vectorCell(const PictureClip& clip, int k) {
    auto cell = std::dynamic_pointer_cast<const VectorPicture>(clip.GraphicCell(k));
    EXPECT_NE(cell, nullptr);
    return cell;
}

// The ids of the elements of a cell's document.
QSet<QString> idsIn(const VectorPicture& cell) {
    QDomDocument document;
    EXPECT_TRUE(document.setContent(cell.document()));
    QSet<QString> ids;
    QList<QDomElement> pending{document.documentElement()};
    while (!pending.isEmpty()) {
        const QDomElement element = pending.takeFirst();
        if (element.hasAttribute(QStringLiteral("id")))
            ids.insert(element.attribute(QStringLiteral("id")));
        for (QDomElement child = element.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            pending.append(child);
    }
    return ids;
}

QByteArray gzipped(const QByteArray& data) {
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8,
                           Z_DEFAULT_STRATEGY),
              Z_OK);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

void expectOnlyOwnGroups(const PictureClip& clip) {
    for (int k : {0, 1, 9, 19}) {
        const auto cell = vectorCell(clip, k);
        ASSERT_NE(cell, nullptr);
        const QSet<QString> ids = idsIn(*cell);
        for (int j = 0; j < PictureClip::CellCount; ++j) {
            EXPECT_EQ(ids.contains(cellGroupId(j)), j == k) << "cell " << k << ", group " << j;
            EXPECT_EQ(cell->renderer()->elementExists(cellGroupId(j)), j == k)
                << "cell " << k << ", group " << j;
        }
        // The layer around the groups stays, with its placement.
        EXPECT_TRUE(ids.contains(QStringLiteral("layer1")));
        EXPECT_EQ(cell->renderer()->viewBoxF(), PictureClip::cellRect(QSizeF(200, 500), k));
        // Stretched unevenly, it fills the target with its own colour (away from the text and
        // the path) and draws nothing outside it.
        const QImage canvas = drawn(*cell, QRectF(100, 50, 140, 35));
        EXPECT_EQ(canvas.pixelColor(103, 53), cellColor(k)) << k;
        EXPECT_EQ(canvas.pixelColor(237, 82), cellColor(k)) << k;
        EXPECT_EQ(canvas.pixelColor(98, 60), QColor(Qt::white)) << k;
        EXPECT_EQ(canvas.pixelColor(242, 60), QColor(Qt::white)) << k;
    }
}

} // namespace

TEST(VectorCells, GroupPerCellSetYieldsCellsHoldingOnlyTheirOwnGroup) {
    PictureClip clip;
    clip.setPicture(loadPicture(groupPerCellSet()));
    expectOnlyOwnGroups(clip);
    // Made once: the same cell, its renderer and document, every time.
    const auto first = clip.GraphicCell(4);
    EXPECT_EQ(clip.GraphicCell(4), first);
}

TEST(VectorCells, ASetReplacedOrGivenAgainWhileItIsReadYieldsTheRightCells) {
    {
        // Gone before its document was read.
        PictureClip gone;
        gone.setPicture(loadPicture(groupPerCellSet()));
    }
    PictureClip clip;
    clip.setPicture(loadPicture(groupPerCellSet()));
    QImage raster(20, 100, QImage::Format_RGB32);
    raster.fill(Qt::red);
    clip.setPicture(std::make_shared<RasterPicture>(raster));
    EXPECT_EQ(std::dynamic_pointer_cast<const VectorPicture>(clip.GraphicCell(3)), nullptr);
    // Created twice in a row, as the program does while it starts.
    clip.setPicture(loadPicture(groupPerCellSet()));
    clip.setPicture(loadPicture(groupPerCellSet()));
    expectOnlyOwnGroups(clip);
}

TEST(VectorCells, CompressedSetIsSplitToo) {
    PictureClip clip;
    clip.setPicture(loadPicture(gzipped(groupPerCellSet())));
    expectOnlyOwnGroups(clip);
}

TEST(VectorCells, ShapeSpanningTwoCellsAppearsInBoth) {
    // A band across cells 2 and 3 (row 1), and a small mark in cell 4 only.
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 500'>"
                           "<rect id='band' x='50' y='60' width='100' height='30' fill='#ff0000'/>"
                           "<circle id='mark' cx='50' cy='125' r='10' fill='#0000ff'/>"
                           "<line id='edge' x1='100' y1='200' x2='100' y2='240' stroke='none'/>"
                           "</svg>";
    PictureClip clip;
    clip.setPicture(loadPicture(svg));
    for (int k = 0; k < PictureClip::CellCount; ++k) {
        const auto cell = vectorCell(clip, k);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->renderer()->elementExists(QStringLiteral("band")), k == 2 || k == 3) << k;
        EXPECT_EQ(cell->renderer()->elementExists(QStringLiteral("mark")), k == 4) << k;
        // A line without width on the border between two cells belongs to both.
        EXPECT_EQ(idsIn(*cell).contains(QStringLiteral("edge")), k == 8 || k == 9) << k;
    }
    // Each cell shows its half of the band: cell 2 its right half, cell 3 its left half.
    const QImage left = drawn(*clip.GraphicCell(2), QRectF(0, 0, 100, 50));
    EXPECT_EQ(left.pixelColor(75, 25), QColor(Qt::red));
    EXPECT_EQ(left.pixelColor(25, 25), QColor(Qt::white));
    const QImage right = drawn(*clip.GraphicCell(3), QRectF(0, 0, 100, 50));
    EXPECT_EQ(right.pixelColor(25, 25), QColor(Qt::red));
    EXPECT_EQ(right.pixelColor(75, 25), QColor(Qt::white));
}

TEST(VectorCells, DefinitionsAndReferencedElementsSurvive) {
    // Cell 0 paints with a gradient from <defs>; cell 1 with a gradient defined inside cell 4's
    // group; cell 3 shows, by <use>, a star drawn in cell 2.
    const QByteArray svg =
        "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
        "viewBox='0 0 200 500'>"
        "<defs><linearGradient id='redToBlue' x1='0' y1='0' x2='1' y2='0'>"
        "<stop offset='0' stop-color='#ff0000'/><stop offset='1' stop-color='#0000ff'/>"
        "</linearGradient></defs>"
        "<style>.plain { stroke: none; }</style>"
        "<g id='cell0'><rect class='plain' width='100' height='50' fill='url(#redToBlue)'/></g>"
        "<g id='cell1'><rect x='100' width='100' height='50' style='fill:url(#greenToBlack)'/>"
        "</g>"
        "<g id='cell2'><path id='star' d='M 10 60 L 40 60 L 40 90 L 10 90 Z' fill='#00ff00'/>"
        "</g>"
        "<g id='cell3'><use xlink:href='#star' x='100' y='0'/></g>"
        "<g id='cell4'><linearGradient id='greenToBlack' x1='0' y1='0' x2='1' y2='0'>"
        "<stop offset='0' stop-color='#00ff00'/><stop offset='1' stop-color='#000000'/>"
        "</linearGradient><rect y='100' width='100' height='50' fill='#888888'/></g>"
        "</svg>";
    PictureClip clip;
    clip.setPicture(loadPicture(svg));

    const auto cell0 = vectorCell(clip, 0);
    ASSERT_NE(cell0, nullptr);
    EXPECT_TRUE(idsIn(*cell0).contains(QStringLiteral("redToBlue")));
    EXPECT_TRUE(cell0->document().contains("<style>"));
    EXPECT_FALSE(idsIn(*cell0).contains(QStringLiteral("cell1")));
    const QImage red = drawn(*cell0, QRectF(0, 0, 200, 100));
    EXPECT_GT(red.pixelColor(5, 50).red(), 230);
    EXPECT_LT(red.pixelColor(5, 50).blue(), 25);
    EXPECT_GT(red.pixelColor(195, 50).blue(), 230);
    EXPECT_LT(red.pixelColor(195, 50).red(), 25);

    // The gradient comes along from cell 4, which itself is left out.
    const auto cell1 = vectorCell(clip, 1);
    ASSERT_NE(cell1, nullptr);
    EXPECT_TRUE(idsIn(*cell1).contains(QStringLiteral("greenToBlack")));
    EXPECT_FALSE(cell1->renderer()->elementExists(QStringLiteral("cell4")));
    const QImage green = drawn(*cell1, QRectF(0, 0, 200, 100));
    EXPECT_GT(green.pixelColor(5, 50).green(), 230);
    EXPECT_LT(green.pixelColor(195, 50).green(), 25);

    // The star is carried as a definition: shown where it is used, not drawn where it lies.
    const auto cell3 = vectorCell(clip, 3);
    ASSERT_NE(cell3, nullptr);
    EXPECT_FALSE(idsIn(*cell3).contains(QStringLiteral("cell2")));
    QDomDocument document;
    ASSERT_TRUE(document.setContent(cell3->document()));
    const QDomElement defs = document.documentElement().firstChildElement();
    EXPECT_EQ(defs.tagName(), QStringLiteral("defs"));
    EXPECT_EQ(defs.lastChildElement().attribute(QStringLiteral("id")), QStringLiteral("star"));
    const QImage used = drawn(*cell3, QRectF(0, 0, 100, 50));
    EXPECT_EQ(used.pixelColor(25, 25), QColor(Qt::green));
    EXPECT_EQ(used.pixelColor(60, 25), QColor(Qt::white));
}

TEST(VectorCells, WithoutTheDocumentsTextCellsShareTheSetsRenderer) {
    auto renderer = std::make_shared<QSvgRenderer>(groupPerCellSet());
    ASSERT_TRUE(renderer->isValid());
    PictureClip clip;
    clip.setPicture(std::make_shared<VectorPicture>(renderer));
    const auto cell = vectorCell(clip, 7);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->renderer(), renderer);
    EXPECT_EQ(drawn(*cell, QRectF(100, 50, 140, 35)).pixelColor(103, 53), cellColor(7));
}

TEST(VectorCells, PrintedCellsStayVectorWhileImagesGetPixels) {
    PictureClip clip;
    clip.setPicture(loadPicture(groupPerCellSet()));
    const auto cell = clip.GraphicCell(5);
    // On an image: notes stacked edge to edge at fractional places, as the preview draws them,
    // fill their rows without a gap or a blended seam between them.
    QImage canvas(120, 140, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter onImage(&canvas);
    onImage.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i)
        cell->draw(onImage, QRectF(10.4, 10.3 + 24.7 * i, 96.5, 24.7));
    onImage.end();
    for (int y = 11; y < 10 + 5 * 24; ++y)
        EXPECT_EQ(canvas.pixelColor(14, y), cellColor(5)) << y;
    EXPECT_EQ(canvas.pixelColor(14, 9), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(9, 50), QColor(Qt::white));

    // In a PDF: vectors, not a picture of them.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter onPaper(&writer);
    for (int i = 0; i < 3; ++i)
        cell->draw(onPaper, QRectF(100, 100 + 800 * i, 1400, 700));
    onPaper.end();
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
}
