#include "ExpectedSheet.h"

#include "support/PrintedPdf.h"

#include <algorithm>
#include <cmath>

namespace zavolin::test {
namespace {

constexpr double TwipsPerInch = 1440;
constexpr double MillimetresPerInch = 25.4;
// The page geometry reads the paper in twips and takes 56.7 of them to the millimetre.
constexpr double TwipsPerMillimetre = 56.7;

// Nearest whole number, halves to the even neighbour.
double roundEven(double value) {
    return std::nearbyint(value);
}

// a \ b: both rounded to whole numbers first, the quotient truncated.
int wholeDivide(double a, double b) {
    return int(roundEven(a)) / int(roundEven(b));
}

PaperGeometry a4(QMarginsF unprintable) {
    return {QSizeF(210, 297), unprintable};
}

} // namespace

QSizeF PaperGeometry::printable() const {
    return {paper.width() - unprintable.left() - unprintable.right(),
            paper.height() - unprintable.top() - unprintable.bottom()};
}

PaperGeometry pdfQueuePaper() {
    return a4(QMarginsF(0, 0, 0, 0));
}

PaperGeometry marginsQueuePaper() {
    return a4(
        QMarginsF(cups::MarginsLeft, cups::MarginsTop, cups::MarginsRight, cups::MarginsBottom));
}

PaperGeometry a4FilePaper() {
    return a4(QMarginsF(5, 5, 5, 5));
}

PaperGeometry letterFilePaper() {
    return {QSizeF(215.9, 279.4), QMarginsF(5, 5, 5, 5)};
}

PageEdges pageEdges(const PaperGeometry& p) {
    const auto inTwipsMillimetres = [](double mm) {
        return mm * TwipsPerInch / MillimetresPerInch / TwipsPerMillimetre;
    };
    const QSizeF printable = p.printable();
    const int left = int(roundEven(p.unprintable.left()));
    const int top = int(roundEven(p.unprintable.top()));
    PageEdges e;
    e.left = left + 1;
    e.top = top + 1;
    e.right = int(std::floor(inTwipsMillimetres(p.paper.width()) - printable.width() - left)) + 1;
    e.bottom = int(std::floor(inTwipsMillimetres(p.paper.height()) - printable.height() - top)) + 1;
    return e;
}

QSizeF itemSize(int index) {
    if (index == 0)
        return {double(float(201 * 0.9)), double(float(30 * 0.9))};
    static const int baseHeights[] = {52, 54, 57, 59, 62, 64, 67, 70, 72, 75};
    const int denom = (index + 1) / 2;
    return {double(float((100 + 5 * (denom - 1)) * 0.7)),
            double(float(baseHeights[denom - 1] * 0.7))};
}

int rowsPerPage(const SheetChoice& c, const PaperGeometry& paper) {
    const PageEdges e = pageEdges(paper);
    const double printableHeight = paper.printable().height();
    const double height = itemSize(c.index()).height();
    int rows = wholeDivide(printableHeight - e.top - e.bottom, height);
    // The first note starts 11 mm below the sheet's top (a strip 10 mm): rows that would end
    // below the printable area are not laid out.
    const double firstGap = c.denom > 0 ? 11 : 10;
    while (rows > 0 && e.top + c.topMargin + firstGap + rows * height > printableHeight + 0.001)
        --rows;
    return rows;
}

int columnsOnPage(const SheetChoice& c, const PaperGeometry& paper, bool turnedBacks) {
    if (!c.asManyColumnsAsFit || c.denom == 0)
        return 1;
    const PageEdges e = pageEdges(paper);
    double room = paper.paper.width() - e.left - e.right;
    if (turnedBacks)
        room -= 2 * std::abs(paper.unprintable.left() - paper.unprintable.right());
    const double width = itemSize(c.index()).width();
    // Notes and the lines between them fit between the edges; all the lines on the printable
    // area, mirrored too.
    double printable = paper.printable().width();
    if (turnedBacks)
        printable -= 2 * std::abs(paper.unprintable.left() - paper.unprintable.right());
    int columns = 1;
    while ((columns + 1) * (width + 2) - 2 <= room && (columns + 1) * (width + 2) <= printable)
        ++columns;
    return columns;
}

ExpectedSheet expectedSheet(const SheetChoice& c, const PaperGeometry& paper, QSizeF target,
                            double scale) {
    const PageEdges e = pageEdges(paper);
    const double topFraction = double(float(e.top) / float(paper.printable().height()));
    const int rows = rowsPerPage(c, paper);
    const QSizeF item = itemSize(c.index()) * scale;
    const double W = item.width(), H = item.height();
    const int columns = columnsOnPage(c, paper);
    // One note is centred in whole units, several columns exactly by their outer cut lines.
    const double x = columns > 1 ? (target.width() - columns * (W + 2)) / 2 + c.leftMargin
                                 : int(roundEven(target.width() - W)) / 2 + c.leftMargin;
    const double top = target.height() * topFraction + c.topMargin;

    ExpectedSheet s;
    s.area = QRectF(QPointF(0, 0), target);
    const auto vertical = [&](const char* name, double at, double from, double to) {
        s.lines.append({QString::fromLatin1(name), false, at, from, to});
    };
    const auto horizontal = [&](const QString& name, double at, double from, double to) {
        s.lines.append({name, true, at, from, to});
    };
    if (c.denom > 0) {
        // Columns of notes each 1 unit inside its two vertical cut lines, neighbours sharing
        // one; a top line 1 unit above the first row, then a line under every row, across all.
        const double right = x + columns * (W + 2);
        vertical("left", x, top, top + H * rows + 30);
        for (int c = 1; c < columns; ++c)
            s.lines.append({QStringLiteral("between %1").arg(c), false, x + c * (W + 2), top,
                            top + H * rows + 30});
        vertical("right", right, top, top + H * rows + 30);
        horizontal(QStringLiteral("top"), top + 10, x - 30, right + 28);
        for (int i = 1; i <= rows; ++i)
            horizontal(QStringLiteral("row %1").arg(i), top + 11 + H * i, x - 30, right + 28);
        for (int i = 0; i < rows; ++i)
            for (int c = 0; c < columns; ++c)
                s.items.append(QRectF(x + c * (W + 2) + 1, top + 11 + H * i, W, H));
    } else {
        // Strips start at x on their top cut line; the right cut line lies 1 unit inside.
        vertical("left", x, top, top + H * rows + 20);
        vertical("right", x + W - 1, top, top + H * rows + 20);
        for (int i = 0; i <= rows; ++i)
            horizontal(QStringLiteral("row %1").arg(i), top + 10 + H * i, x - 10, x + 10 + W);
        for (int i = 0; i < rows; ++i)
            s.items.append(QRectF(x, top + 10 + H * i, W, H));
    }
    return s;
}

ExpectedSheet expectedOnPaper(const SheetChoice& choice, const PaperGeometry& paper) {
    ExpectedSheet s = expectedSheet(choice, paper, paper.printable(), 1);
    const double dx = paper.unprintable.left(), dy = paper.unprintable.top();
    for (ExpectedLine& line : s.lines) {
        line.across += line.horizontal ? dy : dx;
        line.start += line.horizontal ? dx : dy;
        line.end += line.horizontal ? dx : dy;
    }
    for (QRectF& item : s.items)
        item.translate(dx, dy);
    s.area.translate(dx, dy);
    return clipped(s, 3.0);
}

ExpectedSheet clipped(ExpectedSheet s, double minLength) {
    QList<ExpectedLine> kept;
    for (ExpectedLine line : s.lines) {
        const double acrossLow = line.horizontal ? s.area.top() : s.area.left();
        const double acrossHigh = line.horizontal ? s.area.bottom() : s.area.right();
        const double alongLow = line.horizontal ? s.area.left() : s.area.top();
        const double alongHigh = line.horizontal ? s.area.right() : s.area.bottom();
        if (line.across <= acrossLow || line.across >= acrossHigh)
            continue;
        line.start = std::max(line.start, alongLow);
        line.end = std::min(line.end, alongHigh);
        if (line.end - line.start >= minLength)
            kept.append(line);
    }
    s.lines = kept;
    return s;
}

QSizeF previewSize(double clientHeight, const PaperGeometry& paper) {
    const PageEdges e = pageEdges(paper);
    const QSizeF printable = paper.printable();
    const double ratio =
        (printable.height() + e.top + e.bottom) / (printable.width() + e.left + e.right);
    const double width = 0.65 * clientHeight;
    return {width, width * ratio};
}

} // namespace zavolin::test
