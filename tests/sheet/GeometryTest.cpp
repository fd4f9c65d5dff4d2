#include "sheet/DruckRand.h"
#include "sheet/ScaleFactor.h"
#include "sheet/SizeNotes.h"
#include "support/FakePrinter.h"
#include "support/ScriptedReporter.h"

#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

struct Edges {
    qint16 left = -9, right = -9, top = -9, bottom = -9;
};

Edges measure(FakePrinter& printer) {
    Edges e;
    DruckRand(printer, e.left, e.right, e.top, e.bottom);
    return e;
}

class Geometry : public ::testing::Test {
protected:
    Geometry() { SizeNotes(sizes); }

    PageGeometry scale(qint16 denom, qint16 side = 0) {
        ScaleFactor(printer, sizes, denom, side, geometry, [&] { ++clears; });
        return geometry;
    }

    SizeTable sizes;
    FakePrinter printer;
    PageGeometry geometry;
    int clears = 0;
};

} // namespace

TEST(DruckRand, EdgesFollowTheDevicesOwnResolution) {
    FakePrinter p300;
    const Edges e = measure(p300);
    EXPECT_EQ(e.left, 6);  // 59 units at 300 dpi: 4.995 mm, rounded 5, plus 1
    EXPECT_EQ(e.right, 2); // floor(210 - 203.2 - 5) + 1
    EXPECT_EQ(e.top, 6);
    EXPECT_EQ(e.bottom, 6); // floor(297 - 287 - 5) + 1

    FakePrinter p1200; // the same 5 mm at four times the resolution
    p1200.dpi = 1200;
    p1200.offsetX = p1200.offsetY = 236;
    const Edges f = measure(p1200);
    EXPECT_EQ(f.left, 6);
    EXPECT_EQ(f.right, 2);
    EXPECT_EQ(f.top, 6);
    EXPECT_EQ(f.bottom, 6);
}

TEST(DruckRand, RestoresTheDrawingUnitItFound) {
    FakePrinter printer;
    printer.mode = PrinterScaleMode::Twips;
    measure(printer);
    EXPECT_EQ(printer.mode, PrinterScaleMode::Twips);
}

TEST_F(Geometry, RowsAndTopFractionOfThePartsExamples) {
    printer.mode = PrinterScaleMode::Twips;
    scale(1);
    EXPECT_EQ(printer.mode, PrinterScaleMode::Millimetres); // stays for the print run
    EXPECT_EQ(geometry.EdgeLeft, 6);
    EXPECT_EQ(geometry.EdgeRight, 2);
    EXPECT_EQ(geometry.EdgeTop, 6);
    EXPECT_EQ(geometry.EdgeBottom, 6);
    EXPECT_EQ(geometry.RowsPerPage, 7.0f); // 275 \ 36
    EXPECT_EQ(geometry.TopFraction, 6.0f / 287.0f);
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(scale(10, 1).RowsPerPage, 5.0f); // 275 \ 52
    EXPECT_EQ(scale(0).RowsPerPage, 10.0f);    // 275 \ 27
    EXPECT_EQ(scale(5).RowsPerPage, 6.0f);     // 275 \ 43
}

TEST_F(Geometry, RowsEndingBelowThePrintableAreaAreLeftOut) {
    // A4 printable to its edges: the quotient 295 \ 36 = 8, but eight notes of "1" would end
    // at 1 + 11 + 8 × 36.4 = 303.2 mm on a 297 mm page.
    printer.printableWidthMm = 210;
    printer.printableHeightMm = 297;
    printer.offsetX = printer.offsetY = 0;
    scale(1);
    EXPECT_EQ(geometry.EdgeTop, 1);
    EXPECT_EQ(geometry.EdgeBottom, 1);
    EXPECT_EQ(geometry.RowsPerPage, 7.0f);
    EXPECT_LE(sheetBottom(geometry, geometry.RowsPerPage, sizes.at(1).Height, FirstNoteGap), 297.0);
    // Coins: 295 \ 27 = 10 strips end at 1 + 10 + 270 = 281 mm and all stay.
    EXPECT_EQ(scale(0).RowsPerPage, 10.0f);
}

TEST(RowsPerPage, KeepsAnItemEndingExactlyOnTheEdgeAndTakesNoneWhenNothingFits) {
    PageGeometry g;
    g.EdgeTop = 6;
    g.EdgeBottom = 6;
    // 6 + 10 + 10 × 27 = 286: a printable height of 286 holds ten strips, but the quotient
    // 274 \ 27 = 10 too; one millimetre less leaves nine.
    EXPECT_EQ(rowsPerPage(286, g, 27, FirstStripGap), 10.0f);
    EXPECT_EQ(rowsPerPage(285, g, 27, FirstStripGap), 9.0f);
    EXPECT_EQ(rowsPerPage(40, g, 36.4f, FirstNoteGap), 0.0f);
    EXPECT_EQ(rowsPerPage(5, g, 36.4f, FirstNoteGap), 0.0f);
}

TEST_F(Geometry, DenominationAboveTenIsABoundsErrorAtItsStatement) {
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> r(reporter);
    scale(1);
    scale(11);
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].procedure, QStringLiteral("ScaleFactor"));
    EXPECT_EQ(reporter.reports[0].line, 60);
    EXPECT_EQ(reporter.reports[0].number, ErrNo::SubscriptOutOfRange);
    EXPECT_EQ(geometry.RowsPerPage, 7.0f); // the skipped statement set nothing
}

TEST_F(Geometry, FailingPrinterIsReportedAtEachStatementAndKeepsTheOldValues) {
    scale(1);
    const PageGeometry before = geometry;
    printer.failing = true;
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> r(reporter);
    scale(0);

    QList<std::pair<QString, qint32>> places;
    for (const Report& report : reporter.reports) {
        EXPECT_EQ(report.number, ErrNo::PrinterError);
        places.append({report.module + u'.' + report.procedure, report.line});
    }
    const QString sf = QStringLiteral("frmZavolin.ScaleFactor");
    const QString dr = QStringLiteral("Drucker.DruckRand");
    // 80 and 110 fail reading the offset; 90, 100, 120 and 130 only compute and succeed.
    const QList<std::pair<QString, qint32>> expected = {{sf, 20},  {dr, 20},  {dr, 30}, {dr, 40},
                                                        {dr, 50},  {dr, 60},  {dr, 70}, {dr, 80},
                                                        {dr, 110}, {dr, 140}, {sf, 80}, {sf, 100}};
    EXPECT_EQ(places, expected);
    EXPECT_EQ(clears, 2); // the preview is cleared all the same
    EXPECT_EQ(geometry.RowsPerPage, before.RowsPerPage);
    EXPECT_EQ(geometry.TopFraction, before.TopFraction);
    EXPECT_EQ(geometry.EdgeLeft, before.EdgeLeft + 1); // step 100 still adds its millimetre
}

TEST_F(Geometry, CancelLeavesScaleFactorAtTheFirstFailure) {
    printer.failing = true;
    ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> r(reporter);
    scale(1);
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].module, QStringLiteral("frmZavolin"));
    EXPECT_EQ(reporter.reports[0].procedure, QStringLiteral("ScaleFactor"));
    EXPECT_EQ(reporter.reports[0].line, 20);
    EXPECT_EQ(clears, 0);
}
