#include "DrawingPageFinder.h"

#include <QPainter>
#include <QPolygonF>
#include <ZXing/ReadBarcode.h>
#include <algorithm>
#include <cmath>
#include <optional>

namespace zavolin {
namespace {

// The codes are looked for in a copy at most this long: a page at about 200 dpi, where their
// modules are 4 pixels wide; only when that finds no page is the whole picture searched.
constexpr int SearchSide = 2400;

struct ReadCode {
    DrawingPageLabel label;
    QPointF centre; // in the picture's pixels
};

QList<ReadCode> readCodes(const QImage& grey, double toPicture) {
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    hints.setTryRotate(false); // a QR code is read turned any way as it is
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    QList<ReadCode> codes;
    for (const ZXing::Result& result : ZXing::ReadBarcodes(view, hints)) {
        if (!result.isValid())
            continue;
        const std::optional<DrawingPageLabel> label =
            readDrawingPageLabel(QString::fromStdString(result.text()));
        if (!label)
            continue;
        QPointF centre;
        const auto& position = result.position();
        for (int i = 0; i < 4; ++i)
            centre += QPointF(position[i].x, position[i].y);
        codes.append({*label, centre / 4 * toPicture});
    }
    return codes;
}

// The page's millimetres to the picture's pixels from the centres of three or four of its codes;
// of three, the fourth is where a parallelogram puts it on both.
std::optional<QTransform> placed(const DrawingPageLayout& layout,
                                 const std::array<std::optional<QPointF>, 4>& centres) {
    QPolygonF page;
    QPolygonF picture;
    int missing = -1;
    for (int c = 0; c < 4; ++c) {
        page << layout.codes[size_t(c)].center();
        picture << centres[size_t(c)].value_or(QPointF());
        if (!centres[size_t(c)])
            missing = c;
    }
    if (missing >= 0) {
        const int before = (missing + 3) % 4, opposite = (missing + 2) % 4,
                  after = (missing + 1) % 4;
        page[missing] = page[before] + page[after] - page[opposite];
        picture[missing] = picture[before] + picture[after] - picture[opposite];
    }
    QTransform transform;
    if (!QTransform::quadToQuad(page, picture, transform))
        return std::nullopt;
    return transform;
}

DrawingPageSearch assemble(const QList<ReadCode>& codes, const SizeTable& sizes) {
    DrawingPageSearch search;
    QList<bool> used(codes.size(), false);
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (used[i])
            continue;
        const DrawingPageLabel& label = codes[i].label;
        if (label.version != DrawingPagesVersion) {
            if (!search.otherVersions.contains(label.version))
                search.otherVersions.append(label.version);
            used[i] = true;
            continue;
        }
        std::array<std::optional<QPointF>, 4> centres;
        int read = 0;
        for (qsizetype j = i; j < codes.size(); ++j)
            if (!used[j] && codes[j].label.samePage(label)) {
                used[j] = true;
                if (!centres[size_t(codes[j].label.corner)])
                    ++read;
                centres[size_t(codes[j].label.corner)] = codes[j].centre;
            }
        FoundDrawingPage page;
        page.layout = drawingPageLayout(sizes, label.target, label.cells);
        page.codesRead = read;
        const std::optional<QTransform> transform =
            read >= 3 ? placed(page.layout, centres) : std::nullopt;
        if (!transform) {
            search.partly.append(label);
            continue;
        }
        page.toPicture = *transform;
        search.pages.append(page);
    }
    return search;
}

} // namespace

DrawingPageSearch findDrawingPages(const QImage& picture, const SizeTable& sizes) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int longest = std::max(grey.width(), grey.height());
    if (longest > SearchSide) {
        const double factor = double(SearchSide) / longest;
        const QImage small =
            grey.scaled(QSize(qRound(grey.width() * factor), qRound(grey.height() * factor)),
                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        DrawingPageSearch search = assemble(readCodes(small, 1 / factor), sizes);
        if (!search.pages.isEmpty())
            return search;
    }
    return assemble(readCodes(grey, 1), sizes);
}

QImage cutFrame(const QImage& picture, const FoundDrawingPage& page, const QRectF& frame,
                QSize pixels) {
    QImage cell(pixels, QImage::Format_RGB32);
    cell.fill(Qt::white);
    const QTransform toCell =
        QTransform::fromTranslate(-frame.x(), -frame.y()) *
        QTransform::fromScale(pixels.width() / frame.width(), pixels.height() / frame.height());
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(page.toPicture.inverted() * toCell);
    painter.drawImage(0, 0, picture);
    painter.end();
    return cell;
}

double pixelsPerMillimetre(const FoundDrawingPage& page, QPointF millimetres) {
    const QPointF at = page.toPicture.map(millimetres);
    const QPointF across = page.toPicture.map(millimetres + QPointF(1, 0)) - at;
    const QPointF down = page.toPicture.map(millimetres + QPointF(0, 1)) - at;
    return std::sqrt(std::abs(across.x() * down.y() - across.y() * down.x()));
}

} // namespace zavolin
