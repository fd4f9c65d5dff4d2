// A class set saved as PDF, end to end from its pages to the file: for each shipped set, an own
// raster set and the calibration sheet, the file passes qpdf's check, holds each raster picture
// once, lets its copies share their pages, and renders like Qt's own PDF engine's file.
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/pictures/RasterPicture.h"
#include "platform/print/PdfFilePrinter.h"
#include "sheet/SizeNotes.h"
#include "sheet/WholeSet.h"
#include "support/PrintedPdf.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>

using namespace zavolin;
using namespace zavolin::test;

namespace {

std::shared_ptr<const Picture> shippedSet(const char* path) {
    QFile file(QString::fromLatin1(ZAVOLIN_SOURCE_DIR) + QLatin1Char('/') + QLatin1String(path));
    return file.open(QIODevice::ReadOnly) ? loadPicture(file.readAll()) : nullptr;
}

// The classic set drawn into an image, as a user's own scanned set would be.
std::shared_ptr<const Picture> rasterSet() {
    QSvgRenderer svg(QString::fromLatin1(ZAVOLIN_SOURCE_DIR) +
                     QStringLiteral("/picture-sets/classic/classic.svg"));
    QImage image(1200, 3000, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return std::make_shared<RasterPicture>(image);
}

QList<PageRequest> numbered(QList<PageRequest> pages) {
    return withFootnotes(
        std::move(pages),
        [](qint16 Denom, qint16 Side, qsizetype n, qsizetype m) {
            return QStringLiteral("%1 %2 · page %3 of %4").arg(Denom).arg(Side).arg(n).arg(m);
        },
        [](double x, double y) { return QStringLiteral("offset %1 %2").arg(x).arg(y); });
}

QString write(const QString& path, const QList<PageRequest>& pages, const PictureClip& clip,
              PdfWriter writer) {
    SizeTable sizes;
    SizeNotes(sizes);
    const auto printer = openPdfFilePrinter(path, PdfPaper::A4);
    printer->setPdfWriter(writer);
    printSetPages(*printer, pages, {sizes, {}, clip, ColumnLayout::AsManyAsFit}, 1);
    return path;
}

int imagesIn(const QString& pdf) {
    QPDF document;
    document.processFile(pdf.toLocal8Bit().constData());
    int images = 0;
    for (QPDFObjectHandle& object : document.getAllObjects())
        if (object.isStream() && object.getDict().getKey("/Subtype").isNameAndEquals("/Image"))
            ++images;
    return images;
}

struct Case {
    const char* name;
    std::function<std::shared_ptr<const Picture>()> set;
    int rasterPictures; // distinct raster pictures the set's pages place: cells and coin strips
};

} // namespace

TEST(ClassSetPdf, EachPictureOnceCopiesSharedLooksAsQtDrawsIt) {
    const Case cases[] = {
        {"classic", [] { return shippedSet("picture-sets/classic/classic.svg"); }, 2},
        {"kids", [] { return shippedSet("picture-sets/kids/kids.svg"); }, 2},
        {"line art", [] { return shippedSet("picture-sets/lineart/lineart.svg"); }, 2},
        {"own raster set", rasterSet, 22},
    };
    QTemporaryDir folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureClip clip;
        const auto set = c.set();
        ASSERT_TRUE(set);
        clip.setPicture(set);
        const QList<PageRequest> once =
            numbered(setFilePages(allSetValues(), SetSides::TwoSided, {}, 1));
        const QList<PageRequest> twice =
            numbered(setFilePages(allSetValues(), SetSides::TwoSided, {}, 2));
        const QString shared = write(folder.filePath(QStringLiteral("shared.pdf")), once, clip,
                                     PdfWriter::SharedPictures);
        const QString copies = write(folder.filePath(QStringLiteral("copies.pdf")), twice, clip,
                                     PdfWriter::SharedPictures);
        const QString qt =
            write(folder.filePath(QStringLiteral("qt.pdf")), twice, clip, PdfWriter::PaintedByQt);

        QProcess check;
        check.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), copies});
        ASSERT_TRUE(check.waitForFinished(60000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
        EXPECT_EQ(imagesIn(copies), c.rasterPictures);
        // A second copy of 22 pages adds their page objects and footnotes, no picture.
        EXPECT_LT(QFileInfo(copies).size() - QFileInfo(shared).size(), 22 * 1500);
        ASSERT_EQ(pdfPageCount(copies), 44);
        // Each page's own footnote is there to read, once: a reader, a search or a screen
        // reader finds no text that the page does not show.
        const QString text = pdfText(copies);
        for (qsizetype n = 1; n <= twice.size(); ++n)
            EXPECT_EQ(text.count(QStringLiteral("page %1 of %2").arg(n).arg(twice.size())), 1)
                << "footnote of page " << n;
        // Every page of the first copy, and of the second, whose pages show pictures drawn
        // before and footnotes of their own, the first and the last.
        QList<int> compared;
        for (int page = 1; page <= once.size(); ++page)
            compared << page;
        compared << once.size() + 1 << twice.size();
        for (const int page : compared)
            EXPECT_LE(
                differingShare(renderInColour(copies, page, 150), renderInColour(qt, page, 150)),
                0.001)
                << "page " << page;
    }
    // The calibration sheet: its scales, its cross turned over, its footnotes.
    PictureClip none;
    const QList<PageRequest> calibration =
        numbered(calibrationDocuments(true, {1.5, -0.5}).first().pages);
    const QString shared = write(folder.filePath(QStringLiteral("cal.pdf")), calibration, none,
                                 PdfWriter::SharedPictures);
    const QString qt = write(folder.filePath(QStringLiteral("cal-qt.pdf")), calibration, none,
                             PdfWriter::PaintedByQt);
    for (int page = 1; page <= 2; ++page)
        EXPECT_LE(differingShare(renderInColour(shared, page, 150), renderInColour(qt, page, 150)),
                  0.001)
            << "calibration page " << page;
}
