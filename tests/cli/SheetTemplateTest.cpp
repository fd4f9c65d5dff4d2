// The drawing template for one's own banknote pictures: its layout against the size table, and
// what zavolin-sheet --template writes, measured in the PNG's pixels and read back from the SVG.
#include "SheetProcess.h"
#include "sheet/NoteTemplate.h"
#include "sheet/SizeNotes.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <cmath>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

constexpr double Margin = 10;     // millimetres around everything
constexpr double LabelHeight = 6; // the line above each cell that names it
constexpr double PixelsPerMillimetre = 300 / 25.4;

NoteTemplateLayout layoutOfTheProgram(SizeTable& sizes) {
    SizeNotes(sizes);
    return noteTemplateLayout(sizes);
}

QString cellName(size_t k) {
    return QStringLiteral("%1 %2").arg(denominationName(int(k / 2) + 1),
                                       k % 2 ? QStringLiteral("back") : QStringLiteral("front"));
}

bool isWhite(QRgb pixel) {
    return qRed(pixel) >= 250 && qGreen(pixel) >= 250 && qBlue(pixel) >= 250;
}

bool isDark(QRgb pixel) {
    return qGray(pixel) < 128;
}

QRgb pixelAt(const QImage& image, QPointF at) {
    return image.pixel(int(std::floor(at.x())), int(std::floor(at.y())));
}

// Whether a dark pixel lies in the rectangle (millimetres).
bool inkIn(const QImage& image, const QRectF& mm) {
    const QRect pixels = QRectF(mm.topLeft() * PixelsPerMillimetre, mm.size() * PixelsPerMillimetre)
                             .toAlignedRect()
                             .intersected(image.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (isDark(line[x]))
                return true;
    }
    return false;
}

// The cell's outline on its edges: at the middle of each, a dark pixel within 1 px of the
// computed edge and white 3 px outside it.
void expectOutlineOn(const QImage& image, const QRectF& cell, const QString& what) {
    const QRectF r(cell.topLeft() * PixelsPerMillimetre, cell.size() * PixelsPerMillimetre);
    const QPointF middle = r.center();
    const std::pair<QPointF, QPointF> edges[] = {{{r.left(), middle.y()}, {-1, 0}},
                                                 {{r.right(), middle.y()}, {1, 0}},
                                                 {{middle.x(), r.top()}, {0, -1}},
                                                 {{middle.x(), r.bottom()}, {0, 1}}};
    for (const auto& [edge, outward] : edges) {
        bool dark = false;
        for (int d = -1; d <= 1; ++d)
            dark = dark || isDark(pixelAt(image, edge + d * outward));
        EXPECT_TRUE(dark) << qPrintable(what) << ": no outline at " << edge.x() << "," << edge.y();
        EXPECT_TRUE(isWhite(pixelAt(image, edge + 3 * outward)))
            << qPrintable(what) << ": not white outside " << edge.x() << "," << edge.y();
    }
}

} // namespace

TEST(SheetTemplate, EveryCellIsItsNotesSizeAndNoCellOrLabelOverlapsAnother) {
    SizeTable sizes;
    const NoteTemplateLayout layout = layoutOfTheProgram(sizes);
    const QRectF inside(Margin, Margin, layout.page.width() - 2 * Margin,
                        layout.page.height() - 2 * Margin);
    QList<QRectF> taken;
    for (size_t k = 0; k < layout.cells.size(); ++k) {
        const QRectF& cell = layout.cells[k];
        const SheetItemSize& note = sizes.at(sheetIndex(qint16(k / 2 + 1), qint16(k % 2)));
        EXPECT_NEAR(cell.width(), note.Width, 0.001) << qPrintable(cellName(k));
        EXPECT_NEAR(cell.height(), note.Height, 0.001) << qPrintable(cellName(k));
        // Fronts left, backs right, each column as wide as the widest note, "1000".
        EXPECT_NEAR(cell.left(), k % 2 ? Margin + 101.5 + 10 : Margin, 0.001)
            << qPrintable(cellName(k));
        const QRectF label(cell.left(), cell.top() - LabelHeight, cell.width(), LabelHeight);
        for (const QRectF& r : {label, cell}) {
            EXPECT_TRUE(inside.contains(r)) << qPrintable(cellName(k));
            for (const QRectF& other : taken)
                EXPECT_FALSE(r.intersects(other)) << qPrintable(cellName(k));
            taken.append(r);
        }
    }
    EXPECT_NEAR(layout.page.width(), Margin + 2 * 101.5 + 10 + Margin, 0.001);
    EXPECT_NEAR(layout.cells.back().bottom() + Margin, layout.page.height(), 0.001);
}

TEST(SheetTemplate, CommandWritesTheLayoutAsPngAt300DpiAndAsSvg) {
    SizeTable sizes;
    const NoteTemplateLayout layout = layoutOfTheProgram(sizes);
    const QString folder = freshDirectory(QStringLiteral("template"));

    const QString png = QDir(folder).filePath(QStringLiteral("template.PNG"));
    SheetRun run = runSheet({QStringLiteral("--template"), png});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(run.errors);
    QImage image(png, "PNG");
    ASSERT_FALSE(image.isNull());
    image = image.convertToFormat(QImage::Format_RGB32);
    EXPECT_NEAR(image.width(), layout.page.width() * PixelsPerMillimetre, 1.0);
    EXPECT_NEAR(image.height(), layout.page.height() * PixelsPerMillimetre, 1.0);
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 300, 0.5);
    for (size_t k = 0; k < layout.cells.size(); ++k) {
        const QRectF& cell = layout.cells[k];
        EXPECT_TRUE(isWhite(pixelAt(image, cell.center() * PixelsPerMillimetre)))
            << qPrintable(cellName(k));
        // Nothing dark within the cell but its outline, and its label in the line above it.
        EXPECT_FALSE(inkIn(image, cell.adjusted(0.5, 0.5, -0.5, -0.5))) << qPrintable(cellName(k));
        EXPECT_TRUE(
            inkIn(image, QRectF(cell.left(), cell.top() - LabelHeight, 20, LabelHeight - 0.5)))
            << qPrintable(cellName(k));
    }
    expectOutlineOn(image, layout.cells.front(), cellName(0));
    expectOutlineOn(image, layout.cells.back(), cellName(19));

    const QString svg = QDir(folder).filePath(QStringLiteral("template.svg"));
    run = runSheet({QStringLiteral("--template=") + svg});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(run.errors);
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_NEAR(renderer.viewBoxF().width(), layout.page.width(), 0.001);
    EXPECT_NEAR(renderer.viewBoxF().height(), layout.page.height(), 0.001);
    EXPECT_TRUE(renderer.elementExists(QStringLiteral("guides")));
    for (const auto& [id, k] : {std::pair{"cell-1-front", 0}, std::pair{"cell-1000-back", 19}}) {
        // The bounds take in half the outline's width.
        const QRectF bounds = renderer.boundsOnElement(QLatin1String(id));
        const QRectF& cell = layout.cells[size_t(k)];
        EXPECT_NEAR(bounds.left(), cell.left(), 0.15) << id;
        EXPECT_NEAR(bounds.top(), cell.top(), 0.15) << id;
        EXPECT_NEAR(bounds.right(), cell.right(), 0.15) << id;
        EXPECT_NEAR(bounds.bottom(), cell.bottom(), 0.15) << id;
    }
    // The program's stored language, German when none is stored.
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("1 \u00b7 Vorderseite")));
    EXPECT_EQ(filesIn(folder).size(), 2) << qPrintable(filesIn(folder).join(QLatin1Char(' ')));
}

} // namespace zavolin::test
