// What zavolin-sheet writes to files: a PDF page like a common printer's and the preview as a
// PNG, measured against the layout worked out from the paper alone.
#include "LineMatch.h"
#include "PictureSets.h"
#include "SheetProcess.h"
#include "support/ExpectedSheet.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QImage>
#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <iostream>

namespace zavolin::test {
namespace {

constexpr double Tolerance = 0.15; // millimetres on paper
constexpr double AlongTolerance = 0.3;
constexpr double PreviewWindowHeight = 673; // pixels: the main window's client area

// Runs the command for a PDF file and renders its page.
PageRaster writePdf(const SheetChoice& c, const QString& pdf, const QStringList& more = {},
                    int dpi = 600) {
    const SheetRun run =
        runSheet(choiceArguments(c) + QStringList{QStringLiteral("--output"), pdf} + more);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(run.errors);
    EXPECT_EQ(pdfPageCount(pdf), 1) << qPrintable(pdf);
    return PageRaster::render(pdf, 1, dpi);
}

// Target units as tenths: a preview measured as a page of 254 dots per inch.
ExpectedSheet tenths(ExpectedSheet s) {
    for (ExpectedLine& line : s.lines) {
        line.across /= 10;
        line.start /= 10;
        line.end /= 10;
    }
    for (QRectF& item : s.items)
        item = QRectF(item.topLeft() / 10, item.size() / 10);
    s.area = QRectF(s.area.topLeft() / 10, s.area.size() / 10);
    return s;
}

} // namespace

TEST(SheetOutput, PdfFileIsOnePageOfItsPaperWithTheCutLinesOf5mmEdges) {
    const QString folder = freshDirectory(QStringLiteral("pdf-output"));
    struct Case {
        const char* paperOption;
        PaperGeometry paper;
        SheetChoice choice;
    };
    const Case cases[] = {
        {"A4", a4FilePaper(), {1, 0, 0, 0}},
        // Letter is 6 notes high: a seventh "1" would end 2.4 mm below the printable area.
        {"Letter", letterFilePaper(), {1, 1, 0, 0}},
        {"Letter", letterFilePaper(), {0, 1, -7, 4}},
        // As many columns as fit: two of "1" (2 × 72 mm between 6 mm edges), one of "1000".
        {"A4", a4FilePaper(), {1, 0, 0, 0, true}},
        {"Letter", letterFilePaper(), {1, 1, 0, 0, true}},
        {"A4", a4FilePaper(), {10, 0, 0, 0, true}},
        {"Letter", letterFilePaper(), {10, 1, 0, 0, true}},
        // Moved 20 mm down, a row that would end below the printable area is left out.
        {"A4", a4FilePaper(), {2, 0, 3, 20, true}},
        {"A4", a4FilePaper(), {1, 0, 0, 20}},
    };
    double worst = 0;
    for (const Case& c : cases) {
        const QString what = QStringLiteral("%1 %2").arg(QLatin1String(c.paperOption),
                                                         choiceArguments(c.choice).join(' '));
        const QString pdf = QDir(folder).filePath(
            QStringLiteral("%1-%2-%3.pdf")
                .arg(QLatin1String(c.paperOption), denominationName(c.choice.denom))
                .arg(&c - cases));
        const PageRaster page =
            writePdf(c.choice, pdf, {QStringLiteral("--paper"), QLatin1String(c.paperOption)});
        ASSERT_FALSE(page.isNull()) << qPrintable(what);
        const auto size = pdfPageSize(pdf);
        ASSERT_TRUE(size) << qPrintable(what);
        EXPECT_NEAR(size->width(), c.paper.paper.width(), 0.2) << qPrintable(what);
        EXPECT_NEAR(size->height(), c.paper.paper.height(), 0.2) << qPrintable(what);

        const ExpectedSheet expected = expectedOnPaper(c.choice, c.paper);
        const int columns = columnsOnPage(c.choice, c.paper);
        EXPECT_EQ(columns, c.choice.asManyColumnsAsFit && c.choice.denom < 10 ? 2 : 1)
            << qPrintable(what);
        EXPECT_EQ(expected.items.size(), rowsPerPage(c.choice, c.paper) * columns);
        if (c.choice.topMargin == 20) {
            SheetChoice unmoved = c.choice;
            unmoved.topMargin = 0;
            EXPECT_LT(rowsPerPage(c.choice, c.paper), rowsPerPage(unmoved, c.paper))
                << qPrintable(what) << ": the offset leaves the last row out";
        }
        for (const QRectF& item : expected.items)
            EXPECT_LE(item.bottom(), c.paper.unprintable.top() + c.paper.printable().height())
                << qPrintable(what);
        const MatchedPage lines = matchLines(expected, page);
        expectLinesAsLaidOut(lines, Tolerance, AlongTolerance, true, what);
        worst = std::max(worst, lines.worstDeviation());
        // Without --pictures the notes stay empty: nothing darker than the grey lines.
        if (c.choice.denom > 0) {
            EXPECT_FALSE(page.hasInkIn(QRectF(QPointF(0, 0), c.paper.paper))) << qPrintable(what);
        }
    }
    std::cout << "[ measure  ] PDF files: cut lines off by at most " << worst << " mm\n";
}

TEST(SheetOutput, PngIsThePreviewOfAWindow673PixelsHigh) {
    const QString folder = freshDirectory(QStringLiteral("png-output"));
    const PaperGeometry paper = a4FilePaper();
    // 0.65 × 673 wide; high by (287 + 6 + 5) / (200 + 6 + 5): the paper's twips at 56.7 to the
    // millimetre leave 4.97 mm beside the printable area on the right and at the bottom.
    const QSizeF preview = previewSize(PreviewWindowHeight, paper);
    const QSize pixels(int(std::lround(preview.width())), int(std::lround(preview.height())));
    EXPECT_EQ(pixels, QSize(437, 618));
    const PageEdges edges = pageEdges(paper);
    EXPECT_EQ(edges.left, 6);
    EXPECT_EQ(edges.right, 5);
    EXPECT_EQ(edges.top, 6);
    EXPECT_EQ(edges.bottom, 5);

    double worst = 0;
    for (const SheetChoice& choice :
         {SheetChoice{1, 0, 0, 0}, SheetChoice{0, 0, 0, 0}, SheetChoice{10, 1, 5, -3}}) {
        const QString what = choiceArguments(choice).join(' ');
        const QString png = QDir(folder).filePath(
            QStringLiteral("preview-%1.png").arg(denominationName(choice.denom)));
        const SheetRun run =
            runSheet(choiceArguments(choice) + QStringList{QStringLiteral("--output"), png});
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errors);
        EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(run.errors);
        const QImage image(png, "PNG");
        ASSERT_FALSE(image.isNull()) << qPrintable(what);
        EXPECT_EQ(image.size(), pixels) << qPrintable(what);

        // The preview's height stands for the printable height; gaps and offsets are added in
        // pixels, unscaled. Measured as a page of 254 dots per inch: a pixel is 0.1 "mm".
        const PageRaster raster = PageRaster::fromImage(image, 254);
        const double scale = double(float(pixels.height() / paper.printable().height()));
        const ExpectedSheet expected =
            tenths(clipped(expectedSheet(choice, paper, QSizeF(pixels), scale), 5));
        ASSERT_FALSE(expected.lines.isEmpty());
        // The gaps are pixels here: a coin sheet's lines show 10 pixels beside its strips.
        const MatchedPage lines = matchLines(expected, raster, 0.2, 0.5);
        // A one-pixel line sits on the pixel its coordinate falls in: its centre is up to a
        // pixel from the exact position.
        expectLinesAsLaidOut(lines, 0.1, 0.15, true, what);
        worst = std::max(worst, lines.worstDeviation() * 10);
        // The top cut line's left end lies clear of every picture.
        const FoundLine* top =
            lines.found(choice.denom > 0 ? QStringLiteral("top") : QStringLiteral("row 0"), true);
        ASSERT_TRUE(top) << qPrintable(what);
        EXPECT_EQ(image.pixelColor(int(top->start * 10) + 2, int(top->across * 10)),
                  QColor(192, 192, 192))
            << qPrintable(what) << ": the cut lines are light grey";
        if (choice.denom > 0) {
            EXPECT_FALSE(raster.hasInkIn(QRectF(QPointF(0, 0), QSizeF(pixels) / 10)))
                << qPrintable(what) << ": without --pictures the notes stay empty";
        }
    }
    std::cout << "[ measure  ] preview " << pixels.width() << " x " << pixels.height()
              << ": cut lines off by at most " << worst << " pixels\n";
}

TEST(SheetOutput, PicturesFillTheNotesWithTheirCellAndWithoutThemTheNotesStayEmpty) {
    const QString folder = freshDirectory(QStringLiteral("pictures"));
    const QString pngFolder = freshDirectory(QStringLiteral("pictures-png"));
    const QString svgFolder = freshDirectory(QStringLiteral("pictures-svg"));
    // Cell 7: the back of "10" (row 3, right), and nothing else.
    const QString sets[] = {writePngPictureSet(pngFolder, {7}), writeSvgPictureSet(svgFolder, {7})};
    const PaperGeometry paper = a4FilePaper();
    const SheetChoice back{4, 1, 0, 0};
    const SheetChoice front{4, 0, 0, 0};
    const ExpectedSheet expected = expectedOnPaper(back, paper);
    ASSERT_EQ(expected.items.size(), 6);
    const int dpi = 300;
    double worst = 0;
    for (const QString& set : sets) {
        ASSERT_FALSE(set.isEmpty());
        const QString what = QFileInfo(set).fileName();
        const PageRaster page = writePdf(back, QDir(folder).filePath(QStringLiteral("back.pdf")),
                                         {QStringLiteral("--pictures"), set}, dpi);
        ASSERT_FALSE(page.isNull());
        QRectF allInk;
        for (const QRectF& note : expected.items) {
            const QRectF inked = inkedPart(note);
            const auto bounds = inkBounds(page, note);
            ASSERT_TRUE(bounds) << qPrintable(what) << ": no ink in the note at " << note.y();
            for (double d : {bounds->left() - inked.left(), bounds->top() - inked.top(),
                             bounds->right() - inked.right(), bounds->bottom() - inked.bottom()}) {
                EXPECT_LT(std::abs(d), 0.25) << qPrintable(what) << ": note at " << note.y();
                worst = std::max(worst, std::abs(d));
            }
            allInk |= inked;
        }
        // Ink only where the notes are.
        const auto everything = inkBounds(page, QRectF(QPointF(0, 0), paper.paper));
        ASSERT_TRUE(everything);
        EXPECT_LT(std::abs(everything->left() - allInk.left()), 0.25) << qPrintable(what);
        EXPECT_LT(std::abs(everything->right() - allInk.right()), 0.25) << qPrintable(what);
        EXPECT_LT(std::abs(everything->top() - allInk.top()), 0.25) << qPrintable(what);
        EXPECT_LT(std::abs(everything->bottom() - allInk.bottom()), 0.25) << qPrintable(what);

        // The front of "10" is cell 6, empty in this set.
        const PageRaster frontPage =
            writePdf(front, QDir(folder).filePath(QStringLiteral("front.pdf")),
                     {QStringLiteral("--pictures"), set}, dpi);
        EXPECT_FALSE(frontPage.hasInkIn(QRectF(QPointF(0, 0), paper.paper))) << qPrintable(what);
    }
    const PageRaster none =
        writePdf(back, QDir(folder).filePath(QStringLiteral("none.pdf")), {}, dpi);
    EXPECT_FALSE(none.hasInkIn(QRectF(QPointF(0, 0), paper.paper)));
    std::cout << "[ measure  ] pictures: ink off its place by at most " << worst << " mm\n";
}

} // namespace zavolin::test

namespace zavolin::test {

TEST(SheetOutput, WholeSetFileHoldsEachFrontThenItsBackForEachCopyAndTheCalibrationSheet) {
    const QString folder = freshDirectory(QStringLiteral("whole-set-output"));
    const QString pdf = QDir(folder).filePath(QStringLiteral("set.pdf"));
    const SheetRun run = runSheet({QStringLiteral("--whole-set"), QStringLiteral("--values"),
                                   QStringLiteral("coins,1"), QStringLiteral("--copies"),
                                   QStringLiteral("2"), QStringLiteral("--output"), pdf});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    ASSERT_EQ(pdfPageCount(pdf), 8);
    // The set's own order whatever the list's; the footnotes in the stored language, German.
    const QStringList footnotes = {
        "1 · Vorderseite · Seite 1 von 8 · mit 100 % drucken, an der langen Kante wenden",
        "1 · Rückseite · Seite 2 von 8",
        "1 · Vorderseite · Seite 3 von 8",
        "1 · Rückseite · Seite 4 von 8",
        "Münzen · Vorderseite · Seite 5 von 8",
        "Münzen · Rückseite · Seite 6 von 8",
        "Münzen · Vorderseite · Seite 7 von 8",
        "Münzen · Rückseite · Seite 8 von 8"};
    for (int page = 1; page <= 8; ++page) {
        const ProgramRun text =
            runProgram(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                        QString::number(page), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                        QStringLiteral("-")});
        EXPECT_TRUE(text.output.simplified().contains(footnotes[page - 1]))
            << "page " << page << ": " << qPrintable(text.output);
    }
    // A front is the single page of its value.
    const MatchedPage front =
        matchLines(expectedOnPaper({1, 0, 0, 0}, a4FilePaper()), PageRaster::render(pdf, 1, 600));
    expectLinesAsLaidOut(front, Tolerance, AlongTolerance, false, QStringLiteral("set front"));

    const QString calibration = QDir(folder).filePath(QStringLiteral("calibration.pdf"));
    const SheetRun calibrated =
        runSheet({QStringLiteral("--calibration"), QStringLiteral("--back-offset"),
                  QStringLiteral("1.5,-2"), QStringLiteral("--output"), calibration});
    ASSERT_EQ(calibrated.exitCode, 0) << qPrintable(calibrated.errors);
    EXPECT_EQ(pdfPageCount(calibration), 2);
    // The sheet says the offset it was printed with, as the dialog's fields show numbers.
    const QString text = pdfText(calibration).simplified();
    for (const double mm : {1.5, -2.0})
        EXPECT_TRUE(text.contains(QLocale().toString(mm, 'f', 1) + QStringLiteral(" mm")))
            << qPrintable(text);
}

} // namespace zavolin::test
