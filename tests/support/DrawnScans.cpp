#include "DrawnScans.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygonF>
#include <QProcess>
#include <QTemporaryDir>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace zavolin::test {

QColor drawnColour(int k) {
    // Twenty hues apart, dark enough to tell from the paper and the frame lines.
    return QColor::fromHsv((k * 137) % 360, 230, 200);
}

QImage drawnPage(const QString& pdf, int page, int dpi, const QList<DrawnFrame>& frames) {
    const QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                    QString::number(page), QStringLiteral("-l"), QString::number(page),
                    QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, stem});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return {};
    QImage image(stem + QStringLiteral(".png"));
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_RGB32);
    const double perMillimetre = dpi / 25.4;
    QPainter painter(&image);
    for (const DrawnFrame& frame : frames)
        painter.fillRect(
            QRectF(frame.onPaper.topLeft() * perMillimetre, frame.onPaper.size() * perMillimetre),
            drawnColour(frame.cell));
    return image;
}

QImage twisted(const QImage& page, const ScanTwist& twist) {
    const QRectF source(QPointF(0, 0), page.size());
    QTransform turn;
    turn.rotate(twist.degrees);
    turn.scale(twist.scale, twist.scale);
    QPolygonF corners = turn.map(QPolygonF(source));
    if (twist.perspective) {
        // The top edge drawn in by 3 % on either side, as a phone held below the page sees it.
        const QPointF inward = (corners[1] - corners[0]) * 0.03;
        corners[0] += inward;
        corners[1] -= inward;
    }
    const QRectF bounds = corners.boundingRect();
    corners.translate(twist.border - bounds.x(), twist.border - bounds.y());
    QTransform placed;
    QTransform::quadToQuad(QPolygonF(source).mid(0, 4), corners.mid(0, 4), placed);
    QImage out(bounds.size().toSize() + QSize(2 * twist.border, 2 * twist.border),
               QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(placed);
    painter.drawImage(0, 0, page);
    return out;
}

bool writeScanPdf(const QString& path, const QList<QImage>& pages, int dpi, int jpegQuality) {
    QPdfWriter pdf(path);
    pdf.setResolution(dpi);
    QPainter painter;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        if (!pages[i].save(&buffer, "JPEG", jpegQuality))
            return false;
        const QImage compressed = QImage::fromData(jpeg, "JPEG");
        const QSizeF millimetres = QSizeF(compressed.size()) * 25.4 / dpi;
        pdf.setPageSize(QPageSize(millimetres, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF());
        if (i == 0 ? !painter.begin(&pdf) : !pdf.newPage())
            return false;
        painter.drawImage(QPointF(0, 0), compressed);
    }
    return painter.end();
}

namespace {

bool coloured(QColor c) {
    return 765 - c.red() - c.green() - c.blue() > 150;
}

// How many pixels in from `from` the drawing begins, looking at most `most` far.
int whiteBand(const QImage& grid, QPoint from, QPoint step, int most) {
    int n = 0;
    while (n < most && !coloured(grid.pixelColor(from + n * step)))
        ++n;
    return n;
}

} // namespace

DrawnCell drawnCell(const QImage& grid, int k, double noteWidth) {
    const QRect cell((k % 2) * 1200, (k / 2) * 620, 1200, 620);
    DrawnCell found;
    found.centre = grid.pixelColor(cell.center());
    const QColor wanted = drawnColour(k);
    found.rightColour = std::abs(found.centre.red() - wanted.red()) +
                            std::abs(found.centre.green() - wanted.green()) +
                            std::abs(found.centre.blue() - wanted.blue()) <
                        60;
    const double millimetresPerPixel = noteWidth / cell.width();
    const int most = int(1 / millimetresPerPixel);
    const QPoint mid = cell.center();
    for (const int band : {whiteBand(grid, {cell.left(), mid.y()}, {1, 0}, most),
                           whiteBand(grid, {cell.right(), mid.y()}, {-1, 0}, most),
                           whiteBand(grid, {mid.x(), cell.top()}, {0, 1}, most),
                           whiteBand(grid, {mid.x(), cell.bottom()}, {0, -1}, most)})
        found.paperAtEdge = std::max(found.paperAtEdge, band * millimetresPerPixel);
    return found;
}

} // namespace zavolin::test
