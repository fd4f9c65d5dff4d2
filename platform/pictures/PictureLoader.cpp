#include "PictureLoader.h"

#include "platform/base/RuntimeError.h"
#include "platform/pictures/RasterPicture.h"
#include "platform/pictures/SvgCheck.h"
#include "platform/pictures/SvgParts.h"
#include "platform/pictures/VectorPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSvgRenderer>
#include <QThread>

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

// The renderer of the SVG loaded last on the window's thread, while a picture still draws with
// it: the start creates the chosen set twice, and the same several hundred KB need not be
// parsed again. Pictures may share a renderer; one thread draws with it.
struct LastRenderer {
    QByteArray bytes;
    std::weak_ptr<QSvgRenderer> renderer;
};

std::shared_ptr<const Picture> loadSvg(const QByteArray& bytes, bool readCells) {
    static LastRenderer last;
    const bool windowThread =
        QCoreApplication::instance() && QThread::currentThread() == qApp->thread();
    if (windowThread && last.bytes == bytes)
        if (std::shared_ptr<QSvgRenderer> renderer = last.renderer.lock())
            return std::make_shared<VectorPicture>(std::move(renderer), bytes);
    if (const QString why = svgRefusal(bytes); !why.isEmpty())
        invalidPicture(why + QLatin1Char('.'));
    // Reading the cells takes several times as long as reading the whole.
    std::shared_future<std::shared_ptr<const SvgParts>> cells;
    if (readCells)
        cells = SvgParts::readInBackground(bytes);
    auto renderer = std::make_shared<QSvgRenderer>();
    if (!renderer->load(bytes) || !renderer->isValid())
        invalidPicture(QStringLiteral("the SVG data cannot be read."));
    if (renderer->viewBoxF().isEmpty())
        invalidPicture(QStringLiteral("the SVG picture has no size."));
    // A larger document is not kept past its pictures.
    if (windowThread && bytes.size() <= 8 * 1024 * 1024)
        last = {bytes, renderer};
    auto picture = std::make_shared<VectorPicture>(std::move(renderer), bytes);
    picture->setCellsReading(std::move(cells));
    return picture;
}

// The most memory a raster picture's pixels may take: enough for 8000 × 20000 pixels of four
// bytes, and no more than half of what the machine has free, as the cells are copied from it.
qint64 rasterLimitBytes() {
    qint64 limit = qint64(MaxRasterMegabytes) * 1024 * 1024;
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : meminfo.readAll().split('\n'))
            if (line.startsWith("MemAvailable:")) {
                const qint64 availableKb = line.mid(13).trimmed().split(' ').value(0).toLongLong();
                if (availableKb > 0)
                    limit = qMin(limit, availableKb * 1024 / 2);
            }
    }
    return limit;
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
    const qint64 limitBytes = rasterLimitBytes();
    const qint64 pixelBytes = qint64(size.width()) * size.height() * 4;
    if (pixelBytes > limitBytes)
        invalidPicture(QStringLiteral("the picture is %1 × %2 pixels, more than the %3 "
                                      "megapixels there is memory for.")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(limitBytes / 4 / 1000000));
    // The readers' own limit, lower by default, follows.
    if (QImageReader::allocationLimit() < MaxRasterMegabytes)
        QImageReader::setAllocationLimit(MaxRasterMegabytes);
}

std::shared_ptr<const Picture> load(const QByteArray& bytes, bool set) {
    if (bytes.isEmpty())
        invalidPicture(QStringLiteral("the picture data is empty."));
    // A document that does not start like SVG but that the image readers would still take for
    // one goes through the SVG checks too.
    if (looksLikeSvg(bytes) || readAsSvg(bytes))
        return loadSvg(bytes, set);
    checkRasterSize(bytes);
    QImage image;
    if (!image.loadFromData(bytes))
        invalidPicture(QStringLiteral("the data is neither a PNG, JPEG nor SVG picture."));
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        invalidPicture(QStringLiteral("the picture has no size."));
    return std::make_shared<RasterPicture>(std::move(image));
}

} // namespace

std::shared_ptr<const Picture> loadPicture(const QByteArray& bytes) {
    return load(bytes, false);
}

std::shared_ptr<const Picture> loadPictureSet(const QByteArray& bytes) {
    return load(bytes, true);
}

} // namespace zavolin
