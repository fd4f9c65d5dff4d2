// The main window's layout and resize handling.

#include "app/MainWindowLayout.h"

#include "app/PreviewBox.h"
#include "errors/Trap.h"
#include "platform/pictures/PictureClip.h"
#include "resources/ProgramResources.h"
#include "sheet/SizeNotes.h"
#include "support/FakePrinter.h"
#include "support/ScriptedReporter.h"
#include "ui_frmZavolin.h"

#include <QMainWindow>
#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

// A picture set that records where it is drawn. Each note is drawn as the whole set (two
// cells wide) clipped to the note's cell, so half a recorded width is one note's width.
class RecordingSet : public Picture {
public:
    QSizeF size() const override { return {2, 10}; }
    void draw(QPainter&, const QRectF& target) const override { drawn.append(target); }
    mutable QList<QRectF> drawn;
};

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        initProgramResources();
        ui.setupUi(&window);
        // Paper and printable area alike, no offsets: each edge is 1 mm, so the paper with
        // its edges is 200 x 282 mm, a PaperRatio of 1.41.
        printer.paperWidthMm = printer.printableWidthMm = 198;
        printer.paperHeightMm = printer.printableHeightMm = 280;
        printer.offsetX = printer.offsetY = 0;
        SizeNotes(sizes);
        clip.setPicture(set);
    }

    // Notes drawn on the preview, and whether any coin strip was.
    qsizetype notesDrawn() const { return set->drawn.size(); }
    bool coinsDrawn() {
        const QImage image = ui.Bild->image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 150)
                    return true;
        return false;
    }

    MainWindowLayout layout(double width = 856, double height = 673) {
        MainWindowLayout w;
        w.ScaleWidth = width;
        w.ScaleHeight = height;
        w.screenSize = QSize(1000, 700);
        w.printer = &printer;
        w.content = &content;
        w.geometry = &geometry;
        w.page = {1, 0};
        w.PreviewScale = &PreviewScale;
        w.chooseDenom = [this] { ++chosen; };
        return w;
    }

    QMainWindow window;
    Ui::frmZavolin ui;
    FakePrinter printer;
    SizeTable sizes;
    PageGeometry geometry;
    std::shared_ptr<RecordingSet> set = std::make_shared<RecordingSet>();
    PictureClip clip;
    const PageContent content{{sizes, geometry, {}}, clip};
    float PreviewScale = 0;
    int chosen = 0;
    ScriptedReporter reporter{{Ignore}};
    ScopedReplacement<ErrorReporter> answers{reporter};
};

} // namespace

TEST_F(LayoutTest, InitialSizeGivesTheWorkedExample) {
    positionieren(ui, layout());

    // Strip at 812.3, 43.7 wide, 679 high.
    EXPECT_EQ(ui.lblToolbar->geometry(), QRect(812, 0, 44, 679));
    EXPECT_TRUE(ui.lblToolbar->isVisibleTo(&window));
    const std::pair<QPushButton*, int> buttons[] = {
        {ui.PicBut_0, 3},    {ui.PicBut_1, 41},   {ui.PicBut_2, 106}, {ui.PicBut_3, 144},
        {ui.PicBut_10, 288}, {ui.PicBut_11, 326}, {ui.PicBut_12, 364}};
    for (const auto& [button, top] : buttons) {
        EXPECT_EQ(button->pos(), QPoint(816, top)) << button->objectName().toStdString();
        EXPECT_EQ(button->size(), QSize(38, 38));
        EXPECT_TRUE(button->isVisibleTo(&window)) << button->objectName().toStdString();
    }
    EXPECT_FALSE(ui.PicBut_13->isVisibleTo(&window));

    // Preview at (42.8, 13.46) sized 437.45 x 616.8, its shadow 10 further, the panel from
    // 545.87 on.
    EXPECT_EQ(ui.Bild->geometry(), QRect(43, 13, 437, 617));
    EXPECT_TRUE(ui.Bild->isVisibleTo(&window));
    EXPECT_EQ(ui.shpBlatt_0->geometry(), QRect(53, 23, 437, 617));
    EXPECT_EQ(ui.Frame1->pos(), QPoint(546, 13));
    EXPECT_EQ(ui.Frame1->size(), QSize(161, 441));
    EXPECT_TRUE(ui.Frame1->isVisibleTo(&window));

    // The page geometry is refreshed and the preview's inner height stands for the printable
    // height; banknote "1" front is repainted once at that scale.
    EXPECT_EQ(geometry.EdgeLeft, 1);
    EXPECT_EQ(geometry.EdgeBottom, 1);
    EXPECT_FLOAT_EQ(PreviewScale, 617.0f / 280.0f);
    ASSERT_EQ(notesDrawn(), qsizetype(geometry.RowsPerPage));
    EXPECT_FLOAT_EQ(set->drawn[0].width() / 2, PreviewScale * sizes.at(1).Width);
    EXPECT_FALSE(coinsDrawn());
    EXPECT_EQ(chosen, 0); // only the resize handler marks the option button
    EXPECT_TRUE(reporter.reports.isEmpty());
}

TEST_F(LayoutTest, WiderWindowMovesToolbarPreviewAndPanelButKeepsThePreviewSize) {
    positionieren(ui, layout(1256, 673));
    // 400 pixels more: the strip follows the edge, the preview and panel move by 5 % of them.
    EXPECT_EQ(ui.lblToolbar->geometry(), QRect(1212, 0, 44, 679));
    EXPECT_EQ(ui.PicBut_12->pos(), QPoint(1216, 364));
    EXPECT_EQ(ui.Bild->geometry(), QRect(63, 13, 437, 617));
    EXPECT_EQ(ui.Frame1->pos(), QPoint(566, 13));

    // A taller window enlarges the preview with the height.
    positionieren(ui, layout(1256, 1000));
    EXPECT_EQ(ui.Bild->geometry(), QRect(63, 20, 650, 917));
    EXPECT_EQ(ui.lblToolbar->height(), 1006);
    EXPECT_FLOAT_EQ(PreviewScale, 917.0f / 280.0f);
}

TEST_F(LayoutTest, ToolbarReachIsWhereTheLowestButtonEnds) {
    positionieren(ui, layout());
    int lowest = 0;
    for (QPushButton* button : {ui.PicBut_0, ui.PicBut_1, ui.PicBut_2, ui.PicBut_3, ui.PicBut_4,
                                ui.PicBut_10, ui.PicBut_11, ui.PicBut_12})
        lowest = std::max(lowest, button->geometry().bottom() + 1);
    EXPECT_EQ(lowest, 402);
    EXPECT_EQ(toolbarReach(ui), lowest);
}

TEST_F(LayoutTest, NarrowWindowIsNotClamped) {
    positionieren(ui, layout(300, 673));
    // The strip lies over the panel, which keeps its place beside the preview.
    EXPECT_EQ(ui.lblToolbar->x(), 256);
    EXPECT_EQ(ui.Bild->geometry(), QRect(15, 13, 437, 617));
    EXPECT_EQ(ui.Frame1->pos(), QPoint(518, 13));
    EXPECT_FALSE(ui.PicBut_13->isVisibleTo(&window));
}

TEST_F(LayoutTest, A4PreviewHasThePapersProportions) {
    printer.paperWidthMm = printer.printableWidthMm = 208;
    printer.paperHeightMm = printer.printableHeightMm = 295;
    positionieren(ui, layout());
    // 437.45 wide, 437.45 x 297 / 210 = 618.68 high.
    EXPECT_EQ(ui.Bild->width(), 437);
    EXPECT_EQ(ui.Bild->height(), 619);
    EXPECT_FLOAT_EQ(PreviewScale, 619.0f / 295.0f);
}

TEST_F(LayoutTest, CoinSheetIsRepaintedWithItsDenom) {
    MainWindowLayout w = layout();
    w.page = {0, 1};
    positionieren(ui, w);
    EXPECT_EQ(notesDrawn(), 0);
    EXPECT_TRUE(coinsDrawn());
}

TEST_F(LayoutTest, MinimisedWindowKeepsItsLastLayout) {
    Form_Resize(ui, layout());
    const QRect bild = ui.Bild->geometry();
    const QBrush background = ui.centralwidget->palette().brush(QPalette::Window);
    MainWindowLayout w = layout(200, 100);
    w.minimised = true;
    Form_Resize(ui, w);
    positionieren(ui, w);
    EXPECT_EQ(ui.Bild->geometry(), bild);
    EXPECT_EQ(ui.lblToolbar->x(), 812);
    const qsizetype oneRepaint = notesDrawn();
    EXPECT_GT(oneRepaint, 0);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(ui.centralwidget->palette().brush(QPalette::Window).texture().cacheKey(),
              background.texture().cacheKey());

    // Restoring runs the whole handling again.
    Form_Resize(ui, layout());
    EXPECT_EQ(notesDrawn(), 2 * oneRepaint);
    EXPECT_EQ(chosen, 2);
}

TEST_F(LayoutTest, ResizeTilesTheScreenLaysOutAndMarksTheOption) {
    Form_Resize(ui, layout());
    EXPECT_TRUE(reporter.reports.isEmpty());
    EXPECT_EQ(notesDrawn(), qsizetype(geometry.RowsPerPage));
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(ui.Bild->isVisibleTo(&window));

    // The background is the tile repeated from the origin over the whole screen.
    const QImage background =
        ui.centralwidget->palette().brush(QPalette::Window).texture().toImage();
    ASSERT_EQ(background.size(), QSize(1000, 700));
    const QImage tile = ui.imgHG->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(tile.size(), QSize(400, 400));
    for (const QPoint p : {QPoint(0, 0), QPoint(123, 221), QPoint(399, 299)}) {
        EXPECT_EQ(background.pixel(p), tile.pixel(p));
        EXPECT_EQ(background.pixel(p + QPoint(400, 0)), tile.pixel(p));
        EXPECT_EQ(background.pixel(p + QPoint(400, 400)), tile.pixel(p));
    }
    EXPECT_EQ(background.pixel(999, 699), tile.pixel(199, 299));
    EXPECT_TRUE(ui.centralwidget->autoFillBackground());
    // The strip keeps its own colour in front of the background.
    EXPECT_EQ(ui.lblToolbar->palette().brush(QPalette::Window).style(), Qt::SolidPattern);
    EXPECT_EQ(ui.lblToolbar->palette().color(QPalette::Window), QColor(128, 0, 0));
}

TEST_F(LayoutTest, FailingPrinterIsReportedInTheLayoutAndSkipped) {
    printer.failing = true;
    Form_Resize(ui, layout());
    // ScaleFactor and DruckRand report their own statements; the layout's printer queries
    // are reported at their labels and skipped, and the layout still shows its controls.
    bool paperRatio = false;
    bool scale = false;
    for (const Report& r : reporter.reports) {
        EXPECT_EQ(r.number, ErrNo::PrinterError);
        if (r.module == "frmZavolin" && r.procedure == "positionieren" && r.line == 180)
            paperRatio = true;
        if (r.module == "frmZavolin" && r.procedure == "positionieren" && r.line == 210)
            scale = true;
    }
    EXPECT_TRUE(paperRatio);
    EXPECT_TRUE(scale);
    EXPECT_TRUE(ui.Frame1->isVisibleTo(&window));
    EXPECT_EQ(chosen, 1);
}
