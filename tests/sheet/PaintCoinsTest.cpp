#include "sheet/PaintCoins.h"

#include "SheetFixture.h"
#include "platform/pictures/RasterPicture.h"
#include "support/ScriptedReporter.h"

using namespace zavolin;
using namespace zavolin::test;

namespace {

class Coins : public SheetFixture {
protected:
    Coins() { geometry.RowsPerPage = 10; }

    void paint(const Picture* strip) { PaintCoins(page, 0, 1, context(), strip); }

    void expectCoinPage(double dx, double dy, int rows) {
        const QList<QLineF> lines = page.lines();
        ASSERT_EQ(lines.size(), 2 + rows + 1);
        const double bottom = 6 + dy + 27 * rows + 20;
        EXPECT_TRUE(sameLine(lines[0], {11 + dx, 6 + dy, 11 + dx, bottom}));
        EXPECT_TRUE(sameLine(lines[1], {190.9 + dx, 6 + dy, 190.9 + dx, bottom}));
        for (int i = 0; i <= rows; ++i) {
            const double y = 16 + dy + 27 * i;
            EXPECT_TRUE(sameLine(lines[2 + i], {1 + dx, y, 201.9 + dx, y})) << i;
        }
        const auto pictures = page.pictures();
        ASSERT_EQ(pictures.size(), rows);
        for (int i = 0; i < rows; ++i)
            EXPECT_TRUE(sameRect(pictures[i].rect, {11 + dx, 16 + dy + 27 * i, 180.9, 27})) << i;
    }

    RasterPicture front{QImage(117, 18, QImage::Format_RGB32)};
    RasterPicture back{QImage(117, 18, QImage::Format_RGB32)};
};

} // namespace

TEST_F(Coins, PrinterPageOfStrips) {
    paint(&front);
    expectCoinPage(0, 0, 10);
    for (const auto& picture : page.pictures())
        EXPECT_EQ(picture.picture, &front);
    // The last strip ends where the page geometry expects it: 286 mm.
    EXPECT_NEAR(page.lines().last().y1(),
                sheetBottom(geometry, geometry.RowsPerPage, sizes.at(0).Height, FirstStripGap),
                Near);
}

TEST_F(Coins, OffsetsMoveThePage) {
    offsets = {5, -3};
    paint(&front);
    expectCoinPage(5, -3, 10);
}

TEST_F(Coins, NoRowsDrawsOnlyTheFrame) {
    geometry.RowsPerPage = 0;
    paint(&front);
    expectCoinPage(0, 0, 0); // verticals 20 long and one horizontal line
}

TEST_F(Coins, BackDiffersFromFrontOnlyInThePicture) {
    paint(&front);
    const auto a = page.operations();
    page.clear();
    paint(&back);
    const auto b = page.operations();
    ASSERT_EQ(a.size(), b.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].line, b[i].line);
        EXPECT_EQ(a[i].rect, b[i].rect);
        if (a[i].kind == RecordingSurface::Operation::Picture) {
            EXPECT_EQ(b[i].picture, &back);
        }
    }
}

TEST_F(Coins, MissingStripIsReportedAtTheDrawingStatement) {
    ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> r(reporter);
    paint(nullptr);
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].module, QStringLiteral("frmZavolin"));
    EXPECT_EQ(reporter.reports[0].procedure, QStringLiteral("PaintCoins"));
    EXPECT_EQ(reporter.reports[0].line, 110);
    EXPECT_EQ(page.lines().size(), 13); // the frame is drawn before
    EXPECT_TRUE(page.pictures().isEmpty());
}
