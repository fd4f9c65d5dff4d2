// A whole set printed through a real CUPS queue whose printable area is off the paper's centre
// (zavolin-margins: 12 mm left, 7 mm right), its pages rendered and measured: every back's cut
// lines, mirrored about the paper's centre line, lie on its front's, and a back offset moves
// every back line by exactly that much.
#include "platform/pictures/Picture.h"
#include "platform/pictures/PictureClip.h"
#include "platform/print/CupsQueuePrinter.h"
#include "sheet/SizeNotes.h"
#include "sheet/WholeSet.h"
#include "support/ExpectedSheet.h"
#include "support/PrintedPdf.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

constexpr double PaperWidth = 210; // A4, millimetres
constexpr double BehindTolerance = 0.15;
constexpr double MovedTolerance = 0.05; // the same line measured twice: the renderer's error
constexpr int Dpi = 600;
// The coin strips' artwork has grey strokes of its own, and the strips cover most of the coin
// sheet's cut lines: 10 mm of the vertical ones show above and below the strips, and the
// horizontal ones reach 10 mm out beside them. So the vertical cut lines are the ones that
// start at the sheet's top, above everything else, and the horizontal ones are measured left
// of the sheet.
constexpr double MinVertical = 8;
constexpr double MinOverhang = 3;

// Banknotes without artwork: nothing on the page but the cut lines.
class BlankPicture : public Picture {
public:
    QSizeF size() const override { return {2, 10}; }
    void draw(QPainter&, const QRectF&) const override {}
};

struct PageLines {
    QList<FoundLine> vertical;
    QList<FoundLine> horizontal;
};

// Prints the set's pages as one document and returns the lines of each of its pages.
QList<PageLines> printedSet(SetSides sides, BackOffset offset, const QString& title,
                            ColumnLayout columns = ColumnLayout::One, qint16 topMargin = 0) {
    PictureClip clip;
    clip.setPicture(std::make_shared<BlankPicture>());
    SizeTable sizes;
    SizeNotes(sizes);
    const QList<PageRequest> pages = setDocuments(allSetValues(), sides, offset).first().pages;
    auto printer =
        openCupsQueuePrinter(QString::fromLatin1(cups::MarginsQueue), {JobSides::OneSided});
    printer->setDocumentName(title);
    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
    printSetPages(*printer, pages, {sizes, {0, topMargin}, clip, columns}, 1);
    QString why;
    const QString pdf =
        waitForJobPdf(printer->lastDelivery(), since, std::chrono::seconds(90), &why);
    QList<PageLines> lines;
    if (pdf.isEmpty()) {
        ADD_FAILURE() << qPrintable(why);
        return lines;
    }
    EXPECT_EQ(pdfPageCount(pdf), pages.size());
    for (int page = 1; page <= pdfPageCount(pdf); ++page) {
        const PageRaster raster = PageRaster::render(pdf, page, Dpi);
        if (raster.isNull()) {
            ADD_FAILURE() << "page " << page << " of " << qPrintable(pdf) << " did not render";
            return {};
        }
        PageLines found;
        const QList<FoundLine> vertical = raster.verticalLines(192, MinVertical);
        double top = 1e9;
        for (const FoundLine& line : vertical)
            top = std::min(top, line.start);
        for (const FoundLine& line : vertical)
            if (line.start < top + 1)
                found.vertical.append(line);
        if (found.vertical.isEmpty())
            continue;
        // The horizontal cut lines where they reach out beside the sheet, left or right, where
        // no picture covers them (the printable area may cut one side short).
        const QImage& image = raster.image();
        const double mmPerPixel = raster.millimetresPerPixel();
        const int left = int((found.vertical.first().across - 0.3) / mmPerPixel);
        const int right = int((found.vertical.last().across + 0.3) / mmPerPixel);
        const QList<QRect> beside = {QRect(0, 0, left, image.height()),
                                     QRect(right, 0, image.width() - right, image.height())};
        for (const QRect& band : beside)
            for (const FoundLine& line :
                 PageRaster::fromImage(image.copy(band), Dpi).horizontalLines(192, MinOverhang))
                if (!nearestLine(found.horizontal, line.across, 0.3))
                    found.horizontal.append(line);
        lines.append(found);
    }
    return lines;
}

// Every line of `a`, placed by `place`, has a line of `b` within tolerance, and the other way
// round: the two pages carry the same lines.
void expectSameLines(QList<FoundLine> a, const std::function<double(double)>& place,
                     const QList<FoundLine>& b, double tolerance, const QString& what) {
    for (FoundLine& line : a)
        line.across = place(line.across);
    EXPECT_EQ(a.size(), b.size()) << qPrintable(what);
    for (const FoundLine& line : a)
        EXPECT_NE(nearestLine(b, line.across, tolerance), nullptr)
            << qPrintable(what) << ": nothing within " << tolerance << " mm of " << line.across;
    for (const FoundLine& line : b)
        EXPECT_NE(nearestLine(a, line.across, tolerance), nullptr)
            << qPrintable(what) << ": nothing within " << tolerance << " mm of " << line.across;
}

} // namespace

TEST(WholeSetThroughCups, EveryBackLiesBehindItsFrontAndMovesByTheBackOffset) {
    ZAVOLIN_SKIP_WITHOUT_CUPS();
    ASSERT_TRUE(cups::queueExists(QString::fromLatin1(cups::MarginsQueue)))
        << "The test queue is missing: run tools/cups-setup.sh as root.";

    const QList<PageLines> plain =
        printedSet(SetSides::TwoSided, {}, QStringLiteral("zavolin-test-set"));
    // The fronts take no offset: the backs alone show where it moves them.
    const QList<PageLines> moved =
        printedSet(SetSides::BacksOnly, {1.5, -2.0}, QStringLiteral("zavolin-test-set-backs"));
    ASSERT_EQ(plain.size(), 22);
    ASSERT_EQ(moved.size(), 11);
    const auto mirrored = [](double x) { return PaperWidth - x; };
    const auto same = [](double v) { return v; };
    for (qsizetype sheet = 0; sheet < 11; ++sheet) {
        const PageLines& front = plain[2 * sheet];
        const PageLines& back = plain[2 * sheet + 1];
        const QString what = QStringLiteral("sheet %1").arg(sheet + 1);
        EXPECT_GE(front.vertical.size(), 2) << qPrintable(what);
        EXPECT_GE(front.horizontal.size(), 2) << qPrintable(what);
        expectSameLines(back.vertical, mirrored, front.vertical, BehindTolerance,
                        what + QStringLiteral(", vertical lines behind the front"));
        expectSameLines(back.horizontal, same, front.horizontal, BehindTolerance,
                        what + QStringLiteral(", horizontal lines behind the front"));

        // The offset is as seen on the back: 1.5 mm right, 2 mm up.
        expectSameLines(
            back.vertical, [](double x) { return x + 1.5; }, moved[sheet].vertical, MovedTolerance,
            what + QStringLiteral(", back moved right"));
        expectSameLines(
            back.horizontal, [](double y) { return y - 2.0; }, moved[sheet].horizontal,
            MovedTolerance, what + QStringLiteral(", back moved up"));
    }
}

TEST(WholeSetThroughCups, TwoColumnsMovedDownLieBehindTheirFrontsAndEndOnThePrintableArea) {
    ZAVOLIN_SKIP_WITHOUT_CUPS();
    ASSERT_TRUE(cups::queueExists(QString::fromLatin1(cups::MarginsQueue)))
        << "The test queue is missing: run tools/cups-setup.sh as root.";

    const QList<PageLines> printed =
        printedSet(SetSides::TwoSided, {}, QStringLiteral("zavolin-test-set-columns"),
                   ColumnLayout::AsManyAsFit, 20);
    ASSERT_EQ(printed.size(), 22);
    const PaperGeometry paper = marginsQueuePaper();
    const auto mirrored = [](double x) { return PaperWidth - x; };
    const QList<qint16> values = allSetValues();
    int twoColumnPages = 0;
    for (qsizetype sheet = 0; sheet < 11; ++sheet) {
        const PageLines& front = printed[2 * sheet];
        const PageLines& back = printed[2 * sheet + 1];
        const SheetChoice choice{values[sheet], 0, 0, 20, true};
        const QString what = QStringLiteral("value %1").arg(values[sheet]);
        if (values[sheet] > 0) {
            // The block's lines, and the cut line above and below each row: no more rows than
            // end on the printable area moved 20 mm down.
            const int columns = columnsOnPage(choice, paper, true);
            twoColumnPages += columns == 2 ? 1 : 0;
            EXPECT_EQ(front.vertical.size(), columns + 1) << qPrintable(what);
            EXPECT_EQ(front.horizontal.size(), rowsPerPage(choice, paper) + 1) << qPrintable(what);
            // The vertical lines end 19 mm below the last row's cut line: a row drawn below the
            // printable area, its line unprinted, would have them run on to the area's edge.
            double lastRow = 0;
            for (const FoundLine& line : front.horizontal)
                lastRow = std::max(lastRow, line.across);
            const double edge = paper.unprintable.top() + paper.printable().height();
            for (const FoundLine& line : front.vertical)
                EXPECT_NEAR(line.end, std::min(edge, lastRow + 19), 0.3) << qPrintable(what);
        }
        expectSameLines(back.vertical, mirrored, front.vertical, BehindTolerance,
                        what + QStringLiteral(", vertical lines behind the front"));
        expectSameLines(
            back.horizontal, [](double y) { return y; }, front.horizontal, BehindTolerance,
            what + QStringLiteral(", horizontal lines behind the front"));
    }
    // 189 mm between the edges, less twice 5 mm for the backs, mirrored about the paper's
    // centre where the printable area lies 2.5 mm off it: two columns up to "50" (2 × 87.5 +
    // 2), one from "100" (91).
    EXPECT_EQ(twoColumnPages, 6);
}

} // namespace zavolin::test
