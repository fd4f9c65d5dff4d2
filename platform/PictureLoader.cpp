#include "PictureLoader.h"

#include "RasterPicture.h"
#include "RuntimeError.h"
#include "VectorPicture.h"

#include <QImage>
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

} // namespace

std::shared_ptr<const Picture> loadPicture(const QByteArray& bytes) {
    if (bytes.isEmpty())
        invalidPicture(QStringLiteral("the picture data is empty."));
    if (looksLikeSvg(bytes))
        return loadSvg(bytes);
    QImage image;
    if (!image.loadFromData(bytes))
        invalidPicture(QStringLiteral("the data is neither a PNG, JPEG nor SVG picture."));
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        invalidPicture(QStringLiteral("the picture has no size."));
    return std::make_shared<RasterPicture>(std::move(image));
}

} // namespace zavolin
