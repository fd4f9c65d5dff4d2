#include "sheet/PaintNotes.h"

#include "SheetFixture.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/pictures/RasterPicture.h"
#include "sheet/PaintNoteBlock.h"
#include "support/FakePrinter.h"
#include "support/ScriptedReporter.h"

using namespace zavolin;
using namespace zavolin::test;

namespace {

class Notes : public SheetFixture {
protected:
    Notes() {
        geometry.RowsPerPage = 7;
        clip.setPicture(std::make_shared<RasterPicture>(QImage(40, 100, QImage::Format_RGB32)));
    }

    void paint(qint16 index, float scale = 1) { PaintNotes(page, index, scale, context(), clip); }

    // The expected page of "1" (70 × 36.4) at scale 1, moved by the offsets.
    void expectPageOfOne(double dx, double dy, int rows) {
        const QList<QLineF> lines = page.lines();
        ASSERT_EQ(lines.size(), 3 + rows);
        const double bottom = 6 + dy + 36.4 * rows + 30;
        EXPECT_TRUE(sameLine(lines[0], {66 + dx, 6 + dy, 66 + dx, bottom}));
        EXPECT_TRUE(sameLine(lines[1], {138 + dx, 6 + dy, 138 + dx, bottom}));
        EXPECT_TRUE(sameLine(lines[2], {36 + dx, 16 + dy, 166 + dx, 16 + dy}));
        for (int i = 1; i <= rows; ++i) {
            const double y = 17 + dy + 36.4 * i;
            EXPECT_TRUE(sameLine(lines[2 + i], {36 + dx, y, 166 + dx, y})) << i;
        }
        const auto pictures = page.pictures();
        ASSERT_EQ(pictures.size(), rows);
        for (int i = 0; i < rows; ++i)
            EXPECT_TRUE(sameRect(pictures[i].rect, {67 + dx, 17 + dy + 36.4 * i, 70, 36.4})) << i;
    }

    PictureClip clip;
};

} // namespace

TEST_F(Notes, PrinterPageOfDenominationOne) {
    paint(1);
    expectPageOfOne(0, 0, 7);
    for (const auto& picture : page.pictures())
        EXPECT_EQ(picture.picture, clip.GraphicCell(0).get());
    // All cut lines are drawn before the first note.
    EXPECT_EQ(page.operations().first().kind, RecordingSurface::Operation::Line);
    EXPECT_EQ(page.operations()[10].kind, RecordingSurface::Operation::Picture);
    // The last note ends where the page geometry expects it: 271.8 mm.
    EXPECT_NEAR(page.lines().last().y1(),
                sheetBottom(geometry, geometry.RowsPerPage, sizes.at(1).Height, FirstNoteGap),
                Near);
}

TEST_F(Notes, OffsetsMoveThePageUnscaled) {
    offsets = {5, -3};
    paint(1);
    expectPageOfOne(5, -3, 7);

    // On the preview the sizes scale but the offsets and gaps stay in pixels.
    RecordingSurface preview(400, 574);
    PaintNotes(preview, 1, 2, context(), clip);
    const QList<QLineF> lines = preview.lines();
    ASSERT_EQ(lines.size(), 10);
    // x = (400 - 140) \ 2 + 5; y = 574 × 6 / 287 - 3
    EXPECT_TRUE(sameLine(lines[0], {135, 9, 135, 9 + 72.8 * 7 + 30}));
    EXPECT_TRUE(sameLine(lines[1], {277, 9, 277, 9 + 72.8 * 7 + 30}));
    EXPECT_TRUE(sameLine(lines[2], {105, 19, 305, 19}));
    EXPECT_TRUE(sameLine(lines[3], {105, 20 + 72.8, 305, 20 + 72.8}));
    EXPECT_TRUE(sameRect(preview.pictures().value(6).rect, {136, 20 + 6 * 72.8, 140, 72.8}));
}

TEST_F(Notes, NoRowsDrawsOnlyTheFrame) {
    geometry.RowsPerPage = 0;
    paint(1);
    expectPageOfOne(0, 0, 0); // verticals 30 long, the top line, no note
}

TEST_F(Notes, BackDiffersFromFrontOnlyInTheCell) {
    paint(7);
    const auto front = page.operations();
    page.clear();
    paint(8);
    const auto back = page.operations();
    ASSERT_EQ(front.size(), back.size());
    for (qsizetype i = 0; i < front.size(); ++i) {
        EXPECT_EQ(front[i].line, back[i].line);
        EXPECT_EQ(front[i].rect, back[i].rect);
        if (front[i].kind == RecordingSurface::Operation::Picture) {
            EXPECT_EQ(front[i].picture, clip.GraphicCell(6).get());
            EXPECT_EQ(back[i].picture, clip.GraphicCell(7).get());
        }
    }
}

TEST_F(Notes, MissingPictureSetIsReportedOnceForThePage) {
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> r(reporter);
    clip.setPicture(nullptr);
    paint(1);
    EXPECT_EQ(page.lines().size(), 10); // the cut lines are all there
    EXPECT_TRUE(page.pictures().isEmpty());
    // Each of the 7 notes fails alike; ignored once, the others are ignored without asking.
    ASSERT_EQ(reporter.reports.size(), 1);
    for (const Report& report : reporter.reports) {
        EXPECT_EQ(report.module, QStringLiteral("frmZavolin"));
        EXPECT_EQ(report.procedure, QStringLiteral("PaintNotes"));
        EXPECT_EQ(report.line, 140);
        EXPECT_EQ(report.number, ErrNo::InvalidPicture);
    }
}

TEST_F(Notes, BadIndexAndFailingPrinterGoToTheTrap) {
    ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> r(reporter);
    paint(21);
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].line, 20);
    EXPECT_EQ(reporter.reports[0].number, ErrNo::SubscriptOutOfRange);
    EXPECT_TRUE(page.operations().isEmpty());

    // Entry 0 exists in the table, but there is no cell -1.
    paint(0);
    ASSERT_EQ(reporter.reports.size(), 2);
    EXPECT_EQ(reporter.reports[1].line, 140);
    EXPECT_EQ(reporter.reports[1].number, ErrNo::InvalidPropertyValue);

    FakePrinter printer;
    printer.failing = true;
    PaintNotes(printer, 1, 1, context(), clip);
    ASSERT_EQ(reporter.reports.size(), 3);
    EXPECT_EQ(reporter.reports[2].line, 20);
    EXPECT_EQ(reporter.reports[2].number, ErrNo::PrinterError);
}

TEST_F(Notes, OneColumnOrSeveralAMissingPictureSetIsReportedOnceAndIgnoredAlike) {
    for (const qint16 columns : {1, 2}) {
        SCOPED_TRACE(columns);
        ScriptedReporter reporter({Ignore});
        ScopedReplacement<ErrorReporter> r(reporter);
        geometry.Columns = columns;
        clip.setPicture(nullptr);
        RecordingSurface drawn{203.2, 287};
        if (columns > 1)
            PaintNoteBlock(drawn, 1, 1, context(), clip);
        else
            PaintNotes(drawn, 1, 1, context(), clip);
        EXPECT_FALSE(drawn.lines().isEmpty()); // the cut lines are all there
        EXPECT_TRUE(drawn.pictures().isEmpty());
        ASSERT_EQ(reporter.reports.size(), 1);
        EXPECT_EQ(reporter.reports[0].number, ErrNo::InvalidPicture);
    }
}
