#include "platform/print/PdfFilePrinter.h"

#include "PrintTestSupport.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/Picture.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

constexpr double Edge = 5.0;

qint32 errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// Everything in the folder, hidden temporary files included.
QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Records where the printer asks it to be drawn, in device units, and fills that rectangle.
class RecordingPicture : public Picture {
public:
    QSizeF size() const override { return {10, 10}; }
    void draw(QPainter& painter, const QRectF& target) const override {
        asked = target;
        onDevice = painter.transform().mapRect(target);
        painter.fillRect(target, Qt::black);
    }
    mutable QRectF asked;
    mutable QRectF onDevice;
};

TEST(PdfFilePrinter, GeometryIsThePapersLessFiveMillimetreEdges) {
    auto printer =
        openPdfFilePrinter(freshDirectory(QStringLiteral("geo")) + "/x.pdf", PdfPaper::Letter);
    const double perMm = printer->deviceUnitsPerMillimetre();
    EXPECT_EQ(printer->scaleMode(), PrinterScaleMode::Twips);
    EXPECT_NEAR(printer->widthTwips(), 8.5 * 1440, 0.5);
    EXPECT_NEAR(printer->heightTwips(), 11 * 1440, 0.5);
    EXPECT_NEAR(printer->scaleWidth(), (215.9 - 2 * Edge) * 1440 / 25.4, 0.5);
    printer->setScaleMode(PrinterScaleMode::Millimetres);
    EXPECT_NEAR(printer->scaleWidth(), 215.9 - 2 * Edge, 1e-6);
    EXPECT_NEAR(printer->scaleHeight(), 279.4 - 2 * Edge, 1e-6);
    EXPECT_EQ(printer->physicalOffsetX(), qRound(Edge * perMm));
    EXPECT_EQ(printer->physicalOffsetY(), qRound(Edge * perMm));
    EXPECT_FALSE(printer->documentOpen());
}

TEST(PdfFilePrinter, CopiesBelowOneOrBeyondTheLimitAreRefusedAndTheCountKept) {
    auto printer =
        openPdfFilePrinter(freshDirectory(QStringLiteral("copies")) + "/x.pdf", PdfPaper::A4);
    printer->setCopies(4);
    EXPECT_EQ(errorOf([&] { printer->setCopies(0); }), ErrNo::InvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { printer->setCopies(-3); }), ErrNo::InvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { printer->setCopies(printer->paper().maxCopies + 1); }),
              ErrNo::InvalidPropertyValue);
    EXPECT_EQ(printer->copies(), 4);
}

TEST(PdfFilePrinter, WritesThePaperSizeAndPutsLinesAtTheEdgePlusTheirPosition) {
    for (PdfPaper paper : {PdfPaper::A4, PdfPaper::Letter}) {
        const QString folder = freshDirectory(QStringLiteral("paper"));
        const QString target = folder + QStringLiteral("/sheet.pdf");
        auto printer = openPdfFilePrinter(target, paper);
        drawMarks(*printer);
        printer->endDoc();
        EXPECT_EQ(printer->lastDelivery(), target);
        EXPECT_EQ(entries(folder), QStringList{QStringLiteral("sheet.pdf")});

        const QSizeF expected = paper == PdfPaper::A4 ? QSizeF(210, 297) : QSizeF(215.9, 279.4);
        const auto size = pdfPageSize(target);
        ASSERT_TRUE(size);
        // PDF pages measure whole points: A4 is 595 x 842.
        EXPECT_NEAR(size->width(), expected.width(), 0.4);
        EXPECT_NEAR(size->height(), expected.height(), 0.4);

        const PageRaster page = PageRaster::render(target);
        ASSERT_FALSE(page.isNull());
        const QList<FoundLine> horizontal = page.horizontalLines();
        const QList<FoundLine> vertical = page.verticalLines();
        EXPECT_EQ(horizontal.size(), std::size(HorizontalMarks));
        EXPECT_EQ(vertical.size(), std::size(VerticalMarks));
        for (const Mark& m : HorizontalMarks) {
            const FoundLine* line = nearestLine(horizontal, Edge + m.at, 1.0);
            ASSERT_TRUE(line);
            EXPECT_NEAR(line->across, Edge + m.at, 0.05);
            EXPECT_NEAR(line->thickness, 0.1, 0.05);
        }
        for (const Mark& m : VerticalMarks) {
            const FoundLine* line = nearestLine(vertical, Edge + m.at, 1.0);
            ASSERT_TRUE(line);
            EXPECT_NEAR(line->across, Edge + m.at, 0.05);
        }
    }
}

TEST(PdfFilePrinter, NothingReachesTheUnprintableEdge) {
    const QString target = freshDirectory(QStringLiteral("clip")) + QStringLiteral("/clip.pdf");
    auto printer = openPdfFilePrinter(target, PdfPaper::A4);
    printer->setScaleMode(PrinterScaleMode::Millimetres);
    printer->setForeColor(Qt::black);
    printer->line(-10, 50, 300, 50);
    printer->line(50, -10, 50, 400);
    printer->endDoc();
    const PageRaster page = PageRaster::render(target, 1, 150);
    ASSERT_FALSE(page.isNull());
    EXPECT_FALSE(page.hasInkIn(QRectF(0, 0, 210, Edge - 0.1)));
    EXPECT_FALSE(page.hasInkIn(QRectF(0, 0, Edge - 0.1, 297)));
    EXPECT_FALSE(page.hasInkIn(QRectF(210 - Edge + 0.1, 0, Edge - 0.1, 297)));
    EXPECT_FALSE(page.hasInkIn(QRectF(0, 297 - Edge + 0.1, 210, Edge - 0.1)));
    EXPECT_TRUE(page.hasInkIn(QRectF(Edge, 54, 200, 2)));
}

TEST(PdfFilePrinter, PicturesAreAskedToDrawInTheCurrentUnit) {
    const QString target = freshDirectory(QStringLiteral("pic")) + QStringLiteral("/pic.pdf");
    auto printer = openPdfFilePrinter(target, PdfPaper::A4);
    const double perMm = printer->deviceUnitsPerMillimetre();
    RecordingPicture picture;
    printer->setScaleMode(PrinterScaleMode::Millimetres);
    printer->paintPicture(picture, 10, 20, 30, 40);
    EXPECT_EQ(picture.asked, QRectF(10, 20, 30, 40));
    EXPECT_NEAR(picture.onDevice.left(), (Edge + 10) * perMm, 1.0);
    EXPECT_NEAR(picture.onDevice.top(), (Edge + 20) * perMm, 1.0);
    EXPECT_NEAR(picture.onDevice.width(), 30 * perMm, 0.01);

    printer->setScaleMode(PrinterScaleMode::Twips);
    printer->paintPicture(picture, 1440, 0, 1440, 720); // one inch in, one by half an inch
    EXPECT_NEAR(picture.onDevice.left(), Edge * perMm + 1200, 1.0);
    EXPECT_NEAR(picture.onDevice.height(), 600, 0.01);
    printer->endDoc();
    const PageRaster page = PageRaster::render(target, 1, 150);
    EXPECT_TRUE(page.hasInkIn(QRectF(Edge + 12, Edge + 22, 26, 36)));
}

TEST(PdfFilePrinter, TextLinesFlowOntoNewPages) {
    const QString target = freshDirectory(QStringLiteral("text")) + QStringLiteral("/text.pdf");
    auto printer = openPdfFilePrinter(target, PdfPaper::A4);
    for (int i = 1; i <= 150; ++i)
        printer->printLine(QStringLiteral("Zeile\t%1 / line %1").arg(i));
    printer->endDoc();
    EXPECT_GE(pdfPageCount(target), 2);
    const QString text = pdfText(target);
    EXPECT_TRUE(text.contains(QStringLiteral("Zeile   1 / line 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("line 150")));
}

TEST(PdfFilePrinter, EndDocWithoutOutputWritesNothing) {
    const QString folder = freshDirectory(QStringLiteral("empty"));
    auto printer = openPdfFilePrinter(folder + QStringLiteral("/none.pdf"), PdfPaper::A4);
    printer->setCopies(2);
    printer->endDoc();
    EXPECT_TRUE(entries(folder).isEmpty());
    EXPECT_TRUE(printer->lastDelivery().isEmpty());
}

TEST(PdfFilePrinter, AMissingFolderFailsAtTheFirstOutputAndLeavesNothing) {
    const QString folder = freshDirectory(QStringLiteral("missing"));
    auto printer = openPdfFilePrinter(folder + QStringLiteral("/no/such/dir/x.pdf"), PdfPaper::A4);
    EXPECT_EQ(errorOf([&] { printer->line(0, 0, 10, 10); }), ErrNo::PrinterError);
    EXPECT_FALSE(printer->documentOpen());
    printer->endDoc(); // nothing open: nothing happens
    EXPECT_TRUE(entries(folder).isEmpty());

    // A folder whose parent is a regular file cannot exist, even for root.
    QFile blocker(folder + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto blocked = openPdfFilePrinter(blocker.fileName() + QStringLiteral("/x.pdf"), PdfPaper::A4);
    EXPECT_EQ(errorOf([&] { blocked->printLine(QStringLiteral("x")); }), ErrNo::PrinterError);
    EXPECT_EQ(entries(folder), QStringList{QStringLiteral("file")});
}

TEST(PdfFilePrinter, AFailedHandOverLeavesNoFileAndTheNextDocumentStartsAfresh) {
    const QString folder = freshDirectory(QStringLiteral("handover"));
    const QString target = folder + QStringLiteral("/out.pdf");
    auto printer = openPdfFilePrinter(target, PdfPaper::A4);
    drawMarks(*printer);
    // Something takes the target's place while the document is drawn.
    ASSERT_TRUE(QDir().mkpath(target + QStringLiteral("/inside")));
    EXPECT_EQ(errorOf([&] { printer->endDoc(); }), ErrNo::PrinterError);
    EXPECT_FALSE(printer->documentOpen());
    EXPECT_EQ(entries(folder), QStringList{QStringLiteral("out.pdf")});
    EXPECT_TRUE(QFileInfo(target).isDir());

    ASSERT_TRUE(QDir(target).removeRecursively());
    printer->printLine(QStringLiteral("second document"));
    printer->endDoc();
    EXPECT_TRUE(pdfText(target).contains(QStringLiteral("second document")));
    // Nothing of the failed document comes along.
    EXPECT_TRUE(PageRaster::render(target, 1, 150).horizontalLines().isEmpty());
}

TEST(PdfFilePrinter, AnAbandonedDocumentLeavesNoFile) {
    const QString folder = freshDirectory(QStringLiteral("abandon"));
    {
        auto printer = openPdfFilePrinter(folder + QStringLiteral("/x.pdf"), PdfPaper::A4);
        drawMarks(*printer);
        EXPECT_TRUE(printer->documentOpen());
    }
    EXPECT_TRUE(entries(folder).isEmpty());
}

} // namespace
} // namespace zavolin::test
