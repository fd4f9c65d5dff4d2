#include "ImportCells.h"

#include "platform/base/ValueNames.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <cmath>

namespace zavolin {
namespace {

constexpr double LeastDpi = 150;
constexpr double MillimetresPerInch = 25.4;
constexpr double RenderDpi = 300; // the cells' resolution, as CellWidth is
constexpr int GridQuality = 92;

QString millimetres(double value) {
    return QString::number(value, 'f', 1);
}

} // namespace

QString noteName(int k) {
    return QStringLiteral("%1 %2").arg(valueName(qint16(k / 2 + 1)),
                                       k % 2 ? OwnSets::tr("back") : OwnSets::tr("front"));
}

const SheetItemSize& noteSize(const SizeTable& sizes, int k) {
    return sizes.at(k + 1);
}

void addFinding(PreparedSet& set, bool stops, const QString& text) {
    set.findings.append({stops, text});
}

void checkCell(PreparedSet& set, const SizeTable& sizes, int k, QSizeF cell, bool raster,
               const QString& what) {
    const SheetItemSize& note = noteSize(sizes, k);
    if (cell.isEmpty()) {
        addFinding(set, true, OwnSets::tr("%1: the picture is empty").arg(what));
        return;
    }
    const double stretch = (double(note.Width) / note.Height) / (cell.width() / cell.height()) - 1;
    if (std::abs(stretch) > MostStretch)
        addFinding(set, false,
                   OwnSets::tr("%1: %2 × %3 would be stretched %4 % %5 to fill the %6 × %7 mm note")
                       .arg(what)
                       .arg(cell.width(), 0, 'f', 0)
                       .arg(cell.height(), 0, 'f', 0)
                       .arg(std::abs(stretch) * 100, 0, 'f', 0)
                       .arg(stretch > 0 ? OwnSets::tr("wider") : OwnSets::tr("narrower"))
                       .arg(millimetres(note.Width), millimetres(note.Height)));
    if (raster) {
        const double dpi = cell.width() / (note.Width / MillimetresPerInch);
        if (dpi < LeastDpi)
            addFinding(
                set, false,
                OwnSets::tr(
                    "%1: %2 dots per inch at its printed size of %3 × %4 mm (%5 or more print "
                    "sharply)")
                    .arg(what)
                    .arg(std::round(dpi))
                    .arg(millimetres(note.Width), millimetres(note.Height))
                    .arg(LeastDpi));
    }
}

QSize printedPixels(const SheetItemSize& note) {
    return {int(std::lround(note.Width / MillimetresPerInch * RenderDpi)),
            int(std::lround(note.Height / MillimetresPerInch * RenderDpi))};
}

// At this size a PNG is tens of megabytes, slow to
// write and to read back, and the difference does not show on paper at 300 dots per inch.
QByteArray composeGrid(const std::array<QImage, 20>& cells) {
    QImage grid(2 * CellWidth, 10 * CellHeight, QImage::Format_RGB32);
    grid.fill(Qt::white);
    QPainter painter(&grid);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int k = 0; k < 20; ++k)
        painter.drawImage(QRect((k % 2) * CellWidth, (k / 2) * CellHeight, CellWidth, CellHeight),
                          cells[size_t(k)]);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(GridQuality);
    if (!writer.write(grid))
        return {};
    return bytes;
}

} // namespace zavolin
