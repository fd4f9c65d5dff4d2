#include "PictureSets.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

namespace zavolin::test {
namespace {

constexpr int Columns = 2;
constexpr int Rows = 10;

QRectF blockOfCell(int cell, QSizeF cellSize) {
    const QRectF whole(
        QPointF((cell % Columns) * cellSize.width(), (cell / Columns) * cellSize.height()),
        cellSize);
    return whole.adjusted(InkInset * cellSize.width(), InkInset * cellSize.height(),
                          -InkInset * cellSize.width(), -InkInset * cellSize.height());
}

} // namespace

QString writePngPictureSet(const QString& folder, const QList<int>& inkedCells) {
    const QSize cell(200, 104);
    QImage image(cell.width() * Columns, cell.height() * Rows, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int k : inkedCells)
        painter.fillRect(blockOfCell(k, cell), Qt::black);
    painter.end();
    const QString path = QDir(folder).filePath(QStringLiteral("set.png"));
    return image.save(path, "PNG") ? path : QString();
}

QString writeSvgPictureSet(const QString& folder, const QList<int>& inkedCells) {
    const QSizeF cell(100, 52);
    QString svg = QStringLiteral(
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                      "viewBox=\"0 0 %1 %2\">\n<rect width=\"%1\" height=\"%2\" fill=\"white\"/>\n")
                      .arg(cell.width() * Columns)
                      .arg(cell.height() * Rows);
    for (int k : inkedCells) {
        const QRectF block = blockOfCell(k, cell);
        svg +=
            QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"black\"/>\n")
                .arg(block.x())
                .arg(block.y())
                .arg(block.width())
                .arg(block.height());
    }
    svg += QStringLiteral("</svg>\n");
    const QString path = QDir(folder).filePath(QStringLiteral("set.svg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(svg.toUtf8()) < 0)
        return {};
    return path;
}

QRectF inkedPart(const QRectF& item) {
    return item.adjusted(InkInset * item.width(), InkInset * item.height(),
                         -InkInset * item.width(), -InkInset * item.height());
}

std::optional<QRectF> inkBounds(const PageRaster& page, const QRectF& area, int threshold) {
    if (page.isNull())
        return std::nullopt;
    const double perPixel = page.millimetresPerPixel();
    const QImage& image = page.image();
    const QRect pixels = QRect(QPoint(int(std::floor(area.left() / perPixel)),
                                      int(std::floor(area.top() / perPixel))),
                               QPoint(int(std::ceil(area.right() / perPixel)) - 1,
                                      int(std::ceil(area.bottom() / perPixel)) - 1))
                             .intersected(image.rect());
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (row[x] < threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0)
        return std::nullopt;
    return QRectF(left * perPixel, top * perPixel, (right + 1 - left) * perPixel,
                  (bottom + 1 - top) * perPixel);
}

} // namespace zavolin::test
