// Page plans: where backs land behind fronts, how many columns and rows a paper holds, that
// every cut line lies on the printable area, and that what is drawn is what was planned.
#include "sheet/PagePlan.h"

#include "platform/base/Units.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/RasterPicture.h"
#include "sheet/CalibrationMarks.h"
#include "sheet/PageEngine.h"
#include "sheet/RecordingSurface.h"
#include "sheet/ScaleFactor.h"
#include "sheet/SizeNotes.h"
#include "sheet/TurnedOverSurface.h"
#include "support/FakePrinter.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

constexpr double Tolerance = 0.01; // millimetres
constexpr double EdgeRounding = 0.05;

struct Paper {
    const char* name;
    double width, height;            // millimetres
    double left, top, right, bottom; // unprintable edges
};

const Paper A4{"A4, 5 mm edges", 210, 297, 5, 5, 5, 5};
const Paper Letter{"Letter, 6.35 mm edges", 215.9, 279.4, 6.35, 6.35, 6.35, 6.35};
const Paper OffCentre{"A4, printable area off centre", 210, 297, 3, 4, 12, 9};
const Paper Borderless{"A4, no edges", 210, 297, 0, 0, 0, 0};
const Paper MarginsQueue{"A4, 12/15/7/9 mm", 210, 297, 12, 15, 7, 9};
const Paper A5{"A5, 5 mm edges", 148, 210, 5, 5, 5, 5};
const Paper Legal{"Legal, 5 mm edges", 215.9, 355.6, 5, 5, 5, 5};

// A page of a value planned on a printer with the paper, as ScaleFactor measures it.
class Planner {
public:
    explicit Planner(const Paper& paper) {
        SizeNotes(sizes);
        printer.dpi = 600;
        printer.paperWidthMm = paper.width;
        printer.paperHeightMm = paper.height;
        printer.printableWidthMm = paper.width - paper.left - paper.right;
        printer.printableHeightMm = paper.height - paper.top - paper.bottom;
        printer.offsetX = qRound(paper.left * printer.dpi / 25.4);
        printer.offsetY = qRound(paper.top * printer.dpi / 25.4);
    }

    PagePlan plan(const PageRequest& page, ColumnLayout columns = ColumnLayout::One,
                  qint16 TopMargin = 0, bool turnedBacks = false) {
        offsets.TopMargin = TopMargin;
        ScaleFactor(printer, sizes, page.Denom, page.Side, geometry, {},
                    {columns, TopMargin, turnedBacks});
        return planPage(page, inputs());
    }

    PlanInputs inputs() {
        return {QSizeF(printer.scaleWidth(), printer.scaleHeight()),
                1,
                {sizes, geometry, offsets},
                paperCentreLine(printer)};
    }
    // The printable area's left edge on the paper, as the printer reports it.
    double printableLeft() { return printer.offsetX / printer.deviceUnitsPerMillimetre(); }

    FakePrinter printer;
    SizeTable sizes;
    PageGeometry geometry;
    PrintOffsets offsets;
};

PageRequest back(qint16 Denom, BackOffset offset) {
    PageRequest page{Denom, 1};
    page.turnedOver = true;
    page.backOffset = offset;
    return page;
}

PageRequest calibration(qint16 Side, BackOffset offset) {
    PageRequest page{0, Side};
    page.kind = PageRequest::Kind::Calibration;
    page.turnedOver = Side != 0;
    page.backOffset = offset;
    return page;
}

const PlannedPicture& pictureOf(const PagePlan& plan, PlannedArt art, CalibrationAxis axis) {
    const auto found = std::find_if(plan.pictures.begin(), plan.pictures.end(), [&](auto& p) {
        return p.art == art && p.which == qint16(axis);
    });
    EXPECT_NE(found, plan.pictures.end());
    return *found;
}

// A person reading one scale of the calibration sheet against the light, as the sheet says:
// `at` is where the back's 0 shows, in millimetres from the front's 0 as the scale's numbers
// grow. The tenths come from the back's line (0 to 9, VernierStep apart, looking on away from
// the front's 0) that meets one of the front's lines, which are a millimetre apart, best; the
// whole millimetres are the front's lines it has passed, as the tenths confirm them.
double readScale(double at) {
    const double away = std::abs(at);
    int tenths = 0;
    double best = 1;
    for (int k = 0; k <= VernierLines; ++k) {
        const double line = away + k * VernierStep;
        const double miss = std::abs(line - std::round(line));
        if (miss < best) {
            best = miss;
            tenths = k;
        }
    }
    return (at < 0 ? -1 : 1) * (std::round(away - tenths / 10.0) + tenths / 10.0);
}

} // namespace

// Turned over about the long edge, paper x becomes width − x: each back lies behind its front,
// then moved by the back offset as seen on the back, whatever the paper and its printable area.
TEST(PagePlan, BacksLieBehindTheirFrontsMovedByTheOffset) {
    for (const Paper& paper : {A4, Letter, OffCentre})
        for (const qint16 Denom : {1, 9, 0})
            for (const ColumnLayout columns : {ColumnLayout::One, ColumnLayout::AsManyAsFit})
                for (const BackOffset offset : {BackOffset{0, 0}, BackOffset{1.5, -2.3}}) {
                    SCOPED_TRACE(testing::Message()
                                 << paper.name << ", value " << Denom << ", columns "
                                 << int(columns) << ", offset " << offset.x << "/" << offset.y);
                    Planner planner(paper);
                    const PagePlan front = planner.plan({Denom, 0}, columns, 0, true);
                    const PagePlan turned = planner.plan(back(Denom, offset), columns, 0, true);
                    ASSERT_EQ(turned.pictures.size(), front.pictures.size());
                    ASSERT_FALSE(front.pictures.isEmpty());
                    const double left = planner.printableLeft();
                    // The paper's width as the printer reports it, in twips.
                    const double width = 2 * (paperCentreLine(planner.printer) + left);
                    for (qsizetype i = 0; i < front.pictures.size(); ++i) {
                        const QRectF f = front.pictures[i].rect.translated(left, 0);
                        const QRectF b = turned.pictures[i].rect.translated(left, 0);
                        EXPECT_NEAR(b.left(), width - f.right() + offset.x, Tolerance);
                        EXPECT_NEAR(b.top(), f.top() + offset.y, Tolerance);
                        EXPECT_NEAR(b.width(), f.width(), Tolerance);
                    }
                }
}

// Columns fit when the notes and the lines between them, n × (W + 2) − 2, fit between the
// edges: half a millimetre less room is one column less.
TEST(PagePlan, ColumnsFitAtTheBoundary) {
    const float W = [] {
        SizeTable sizes;
        SizeNotes(sizes);
        return sizes.at(1).Width;
    }();
    for (const int n : {2, 3, 4})
        for (const double slack : {-0.5, 0.5}) {
            // Edges of 5 mm make EdgeLeft and EdgeRight 6 each.
            const double room = n * (W + 2) - 2 + slack;
            const Paper paper{"", room + 12, 297, 5, 5, 5, 5};
            Planner planner(paper);
            planner.plan({1, 0}, ColumnLayout::AsManyAsFit);
            ASSERT_NEAR(paper.width - planner.geometry.EdgeLeft - planner.geometry.EdgeRight, room,
                        1e-3);
            EXPECT_EQ(planner.geometry.Columns, slack > 0 ? n : n - 1)
                << n << " columns, room " << slack << " mm off";
        }
}

// Rows end on the printable area however far the top offset moves the sheet down, and one more
// would not.
TEST(PagePlan, RowsEndOnThePrintableAreaWithATopOffset) {
    for (const Paper& paper : {A4, Letter, MarginsQueue})
        for (const qint16 Denom : {1, 10, 0})
            for (const qint16 down : {0, 7, 20}) {
                SCOPED_TRACE(testing::Message()
                             << paper.name << ", value " << Denom << ", offset " << down);
                Planner planner(paper);
                const PagePlan plan = planner.plan({Denom, 0}, ColumnLayout::One, down);
                const double height = planner.printer.printableHeightMm;
                ASSERT_FALSE(plan.pictures.isEmpty());
                EXPECT_NEAR(plan.pictures.first().rect.top(),
                            planner.geometry.EdgeTop + down + (Denom > 0 ? 11 : 10), Tolerance);
                const QRectF last = plan.pictures.last().rect;
                EXPECT_LE(last.bottom(), height + Tolerance);
                EXPECT_GT(last.bottom() + last.height(), height);
            }
}

// On every paper and layout, front and turned back, each cut line lies on the printable area:
// vertical lines within its width, starting on it, horizontal ones within its height and
// across the notes. Among them the "500" with as many columns as fit on A4 with 5 mm edges,
// whose right line once lay beyond it. (The coin sheet is 181 mm wide whatever the paper: its
// turned back leaves a printable area that lies 9 mm off centre.)
TEST(PagePlan, EveryCutLineLiesOnThePrintableArea) {
    for (const Paper& paper : {A4, Letter, OffCentre, Borderless, MarginsQueue})
        for (qint16 Denom = 0; Denom <= 10; ++Denom)
            for (const ColumnLayout columns : {ColumnLayout::One, ColumnLayout::AsManyAsFit})
                for (const bool turned : {false, true}) {
                    if (turned && Denom == 0 && paper.name == OffCentre.name)
                        continue;
                    SCOPED_TRACE(testing::Message()
                                 << paper.name << ", value " << Denom << ", columns "
                                 << int(columns) << (turned ? ", turned back" : ""));
                    Planner planner(paper);
                    const PagePlan plan = planner.plan(
                        turned ? back(Denom, {}) : PageRequest{Denom, 0}, columns, 0, true);
                    const QRectF area(0, 0, planner.printer.printableWidthMm,
                                      planner.printer.printableHeightMm);
                    // A turned back's mirror axis is known to a device unit or two: its outer
                    // cut lines may lie that far beyond the edge, not a column fewer.
                    const double edge = turned ? EdgeRounding : Tolerance;
                    const QRectF inner = area.adjusted(-edge, -Tolerance, edge, Tolerance);
                    for (const PlannedLine& planned : plan.lines) {
                        const QLineF& l = planned.line;
                        if (l.x1() == l.x2()) {
                            EXPECT_TRUE(inner.contains(l.p1())) << l.x1() << ", " << l.y1();
                        } else {
                            EXPECT_GE(l.y1(), -Tolerance);
                            EXPECT_LE(l.y1(), area.height() + Tolerance);
                            for (const PlannedPicture& item : plan.pictures) {
                                EXPECT_LE(std::min(l.x1(), l.x2()), item.rect.left());
                                EXPECT_GE(std::max(l.x1(), l.x2()), item.rect.right() - 1);
                            }
                        }
                    }
                    for (const PlannedPicture& item : plan.pictures)
                        EXPECT_TRUE(inner.contains(item.rect))
                            << item.rect.x() << ", " << item.rect.y();
                }
    Planner planner(A4);
    const PagePlan fiveHundred = planner.plan({9, 0}, ColumnLayout::AsManyAsFit);
    EXPECT_EQ(planner.geometry.Columns, 2);
    EXPECT_LE(fiveHundred.lines[2].line.x1(), planner.printer.printableWidthMm);
}

// What is drawn is the plan: the same lines and pictures at the same places, in order, for
// notes in one and in several columns, coins, turned backs, calibration sheets and footnotes.
TEST(PagePlan, DrawingFollowsThePlan) {
    PictureClip clip;
    clip.setPicture(std::make_shared<RasterPicture>(QImage(40, 100, QImage::Format_RGB32)));
    const auto withFootnote = [](PageRequest page) {
        page.footnote = QStringLiteral("500 · Back · 4 / 22");
        return page;
    };
    PageRequest calibrationBack = calibration(1, {0.7, 1.2});
    calibrationBack.footnote = QStringLiteral("offset");
    for (const ColumnLayout columns : {ColumnLayout::One, ColumnLayout::AsManyAsFit})
        for (const PageRequest& page :
             {PageRequest{3, 0}, withFootnote(back(9, {0.4, -1})), withFootnote({0, 1}),
              calibrationBack, calibration(0, {0.7, 1.2})})
            for (const float scale : {1.0f, 2.7f}) {
                SCOPED_TRACE(testing::Message() << "value " << page.Denom << " side " << page.Side
                                                << ", scale " << scale);
                Planner planner(OffCentre);
                ScaleFactor(planner.printer, planner.sizes, page.Denom, page.Side, planner.geometry,
                            {}, {columns});
                PlanInputs inputs = planner.inputs();
                inputs.scale = scale;
                inputs.target *= scale;
                RecordingSurface surface(inputs.target.width(), inputs.target.height());
                drawPage(surface, page, scale, {inputs.sheet, clip, inputs.paperCentreLine});
                const PagePlan plan = planPage(page, inputs);
                QList<QLineF> planned;
                for (const PlannedLine& l : plan.lines)
                    planned << l.line;
                EXPECT_EQ(surface.lines(), planned);
                const auto drawn = surface.pictures();
                ASSERT_EQ(drawn.size(),
                          plan.pictures.size() + plan.texts.size() + (plan.footnote ? 1 : 0));
                for (qsizetype i = 0; i < plan.pictures.size(); ++i)
                    EXPECT_EQ(drawn[i].rect, plan.pictures[i].rect);
                for (qsizetype i = 0; i < plan.texts.size(); ++i)
                    EXPECT_EQ(drawn[plan.pictures.size() + i].rect, plan.texts[i].rect);
                if (plan.footnote) {
                    EXPECT_EQ(drawn.last().rect, plan.footnote->rect);
                }
            }
}

// The printer puts every back `error` beside where it is told (in millimetres as seen on the
// back). Printed with an offset, the calibration sheet is read against the light; printed again
// with the numbers read added to the offset, it reads 0 on both scales. Right on the back is
// left on the front: the place where a back's 0 shows is its place on the back mirrored about
// the paper's centre line.
TEST(PagePlan, CalibrationReadingAddedToTheOffsetBringsTheBackTo0) {
    const BackOffset errors[] = {{0, 0}, {1.3, -0.8}, {-2.46, 3.12}, {0.04, -0.06}, {4.9, -4.37}};
    const BackOffset offsets[] = {{0, 0}, {1.5, -2}, {-3.2, 0.7}};
    for (const Paper& paper : {A4, OffCentre})
        for (const BackOffset error : errors)
            for (const BackOffset offset : offsets) {
                SCOPED_TRACE(testing::Message()
                             << paper.name << ", printer off by " << error.x << "/" << error.y
                             << ", offset " << offset.x << "/" << offset.y);
                Planner planner(paper);
                const double centre = *planner.inputs().paperCentreLine;
                const auto read = [&](BackOffset printedWith) {
                    const PagePlan front = planner.plan(calibration(0, printedWith));
                    const PagePlan back = planner.plan(calibration(1, printedWith));
                    double reading[2] = {};
                    for (const CalibrationAxis axis :
                         {CalibrationAxis::Right, CalibrationAxis::Down}) {
                        const QPointF zero =
                            pictureOf(front, PlannedArt::CalibrationScale, axis).rect.center();
                        const QPointF printed =
                            pictureOf(back, PlannedArt::CalibrationVernier, axis).rect.center() +
                            QPointF(error.x, error.y);
                        const QPointF shows(2 * centre - printed.x(), printed.y());
                        reading[int(axis)] = readScale(
                            QPointF::dotProduct(shows - zero, calibrationScaleDirection(axis)));
                    }
                    return BackOffset{reading[0], reading[1]};
                };
                const BackOffset first = read(offset);
                // Entered as the dialog's fields take it, to a tenth.
                const auto tenths = [](double mm) { return std::round(mm * 10) / 10; };
                const BackOffset entered{tenths(offset.x + first.x), tenths(offset.y + first.y)};
                ASSERT_LE(std::abs(entered.x), BackOffset::Limit);
                ASSERT_LE(std::abs(entered.y), BackOffset::Limit);
                const BackOffset again = read(entered);
                EXPECT_EQ(again.x, 0) << "read first " << first.x;
                EXPECT_EQ(again.y, 0) << "read first " << first.y;
            }
}

// On every standard paper the calibration sheet's words, drawing and scales lie apart on the
// printable area above its footnote, the words at 9 points or more.
TEST(PagePlan, CalibrationSheetFitsEveryPaper) {
    for (const Paper& paper : {A4, Letter, A5, Legal, MarginsQueue}) {
        SCOPED_TRACE(paper.name);
        Planner planner(paper);
        PageRequest front = calibration(0, {-9.9, 9.9});
        front.footnote = QStringLiteral("Calibration sheet");
        const PagePlan plan = planner.plan(front);
        QList<QRectF> parts;
        for (const PlannedPicture& picture : plan.pictures)
            parts << picture.rect;
        for (const PlannedText& text : plan.texts) {
            parts << text.rect;
            EXPECT_GE(text.size, 9 * MillimetresPerInch / 72 - 1e-9) << qPrintable(text.text);
        }
        ASSERT_TRUE(plan.footnote);
        parts << plan.footnote->rect;
        const QRectF area(0, 0, planner.printer.printableWidthMm,
                          planner.printer.printableHeightMm);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            EXPECT_TRUE(area.contains(parts[i])) << i;
            for (qsizetype j = 0; j < i; ++j)
                EXPECT_FALSE(parts[i].intersects(parts[j])) << i << " and " << j;
        }
    }
}
