// The classroom's way to its own money: drawing pages printed, drawn on, scanned crooked and in
// any order, made into a picture set by the command, each drawing in its note, cut at its frame.
#include "SheetProcess.h"
#include "ownsets/OwnSetStore.h"
#include "sheet/DrawingPages.h"
#include "sheet/SizeNotes.h"
#include "support/DrawnScans.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

constexpr int ScanDpi = 200;
constexpr double FileEdge = 5; // the PDF file's unprintable edges, where the pages begin
constexpr double MostPlacementError = 0.5;

} // namespace

TEST(DrawnPages, ScansOfDrawnPagesTurnedScaledAndRepeatedBecomeTheSet) {
    const QString folder = freshDirectory(QStringLiteral("drawn-pages"));
    const QString pages = QDir(folder).filePath(QStringLiteral("pages.pdf"));
    const SheetRun printed = runSheet({"--template", pages});
    ASSERT_EQ(printed.exitCode, 0) << qPrintable(printed.errors);

    SizeTable sizes;
    SizeNotes(sizes);
    const QSizeF target(210 - 2 * FileEdge, 297 - 2 * FileEdge);
    const QList<QList<qint16>> cells =
        drawingPageCells(sizes, target, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    ASSERT_EQ(pdfPageCount(pages), cells.size());

    // Each page turned its own way, the first again at the end: a page scanned twice.
    const ScanTwist twists[] = {{90.4, 1.0, 60, false},
                                {183.0, 0.92, 40, true},
                                {-94.5, 1.08, 0, false},
                                {-4.8, 1.1, 25, false}};
    QList<QImage> scans;
    for (qsizetype p = 0; p <= cells.size(); ++p) {
        const qsizetype page = p % cells.size();
        const DrawingPageLayout layout = drawingPageLayout(sizes, target, cells[page]);
        QList<DrawnFrame> frames;
        for (qsizetype i = 0; i < layout.cells.size(); ++i)
            frames.append({layout.cells[i], layout.frames[i].translated(FileEdge, FileEdge)});
        const QImage drawn = drawnPage(pages, int(page) + 1, ScanDpi, frames);
        ASSERT_FALSE(drawn.isNull()) << "pdftoppm, page " << page + 1;
        scans.append(twisted(drawn, twists[p % 4]));
    }
    const QString scan = QDir(folder).filePath(QStringLiteral("scan.pdf"));
    ASSERT_TRUE(writeScanPdf(scan, scans, ScanDpi, 75));

    const SheetRun made = runSheet({"--add-picture-set", "Class", "--from", scan});
    ASSERT_EQ(made.exitCode, 0) << qPrintable(made.errors);
    EXPECT_TRUE(made.output.contains("made the picture set \"Class\"")) << qPrintable(made.output);
    EXPECT_TRUE(made.output.contains(
        QStringLiteral("scan.pdf, page %1: the later one is used").arg(cells.size() + 1)))
        << qPrintable(made.output);

    QImage grid(QDir(ownSetsFolder()).filePath(QStringLiteral("Class/set.jpg")));
    ASSERT_EQ(grid.size(), QSize(2400, 6200));
    // Each drawing in its note, cut at its frame: the drawing reaches every edge of its note,
    // give or take half a millimetre.
    for (int k = 0; k < 20; ++k) {
        const DrawnCell cell = drawnCell(grid, k, sizes.at(k + 1).Width);
        EXPECT_TRUE(cell.rightColour) << "cell " << k << ": " << qPrintable(cell.centre.name())
                                      << " for " << qPrintable(drawnColour(k).name());
        EXPECT_LE(cell.paperAtEdge, MostPlacementError) << "cell " << k;
    }
}

} // namespace zavolin::test
