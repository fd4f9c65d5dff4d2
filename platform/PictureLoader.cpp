#include "PictureLoader.h"

#include "RasterPicture.h"
#include "RuntimeError.h"
#include "VectorPicture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QSvgRenderer>

namespace zavolin {
namespace {

[[noreturn]] void invalidPicture(const QString& why) {
    raise(ErrNo::InvalidPicture, QStringLiteral("Invalid picture: %1").arg(why));
}

// SVG is told by its start, so that raster data never reaches the SVG parser (which would
// log its complaints) and SVG never reaches the image readers.
bool looksLikeSvg(const QByteArray& bytes) {
    if (bytes.startsWith("\x1f\x8b")) // gzip: compressed SVG
        return true;
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && QChar::isSpace(uchar(bytes[i])))
        ++i;
    const QByteArray head = bytes.mid(i, 256).toLower();
    return head.startsWith("<?xml") || head.startsWith("<svg") || head.startsWith("<!--") ||
           head.startsWith("<!doctype svg");
}

std::shared_ptr<const Picture> loadSvg(const QByteArray& bytes) {
    auto renderer = std::make_shared<QSvgRenderer>();
    if (!renderer->load(bytes) || !renderer->isValid())
        invalidPicture(QStringLiteral("the SVG data cannot be read."));
    if (renderer->viewBoxF().isEmpty())
        invalidPicture(QStringLiteral("the SVG picture has no size."));
    return std::make_shared<VectorPicture>(std::move(renderer), bytes);
}

// A raster picture whose pixels would not fit the memory a picture may take is refused by
// its size, read from its header, before anything is decoded: a few KB of PNG can stand for
// gigabytes of pixels.
void checkRasterSize(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid())
        return;
    const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 pixelBytes = qint64(size.width()) * size.height() * 4;
    if (limitBytes > 0 && pixelBytes > limitBytes)
        invalidPicture(QStringLiteral("the picture is %1 × %2 pixels, more than the %3 "
                                      "megapixels a picture may have.")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(limitBytes / 4 / 1000000));
}

} // namespace

std::shared_ptr<const Picture> loadPicture(const QByteArray& bytes) {
    if (bytes.isEmpty())
        invalidPicture(QStringLiteral("the picture data is empty."));
    if (looksLikeSvg(bytes))
        return loadSvg(bytes);
    checkRasterSize(bytes);
    QImage image;
    if (!image.loadFromData(bytes))
        invalidPicture(QStringLiteral("the data is neither a PNG, JPEG nor SVG picture."));
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        invalidPicture(QStringLiteral("the picture has no size."));
    return std::make_shared<RasterPicture>(std::move(image));
}

} // namespace zavolin
