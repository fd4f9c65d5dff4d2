#include "ScannedPages.h"

#include "platform/base/RuntimeError.h"
#include "platform/files/RegularFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <cmath>
#include <memory>
#include <poppler/qt6/poppler-qt6.h>

namespace zavolin {
namespace {

struct ScannedPageTexts {
    Q_DECLARE_TR_FUNCTIONS(OwnSets)
};

constexpr double ScanDpi = 300;
constexpr double PointsPerInch = 72;
// A page drawn larger than this is drawn at a lower resolution: A3 at 300 dpi is 17 million.
constexpr double MostPagePixels = 40e6;
constexpr int MostPages = 500;

[[noreturn]] void unreadable(const QString& what, const QString& why) {
    raise(ErrNo::InvalidPicture, ScannedPageTexts::tr("%1 cannot be read: %2").arg(what, why));
}

// A document of its own for each caller: Poppler's documents are not shared between threads.
std::unique_ptr<Poppler::Document> pdfDocument(const QString& path, const QByteArray& bytes) {
    std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(bytes);
    if (!document)
        unreadable(path, ScannedPageTexts::tr("it is not a PDF document"));
    if (document->isLocked())
        unreadable(path, ScannedPageTexts::tr("it is locked with a password"));
    document->setRenderHint(Poppler::Document::Antialiasing);
    return document;
}

} // namespace

bool isScanFile(const QString& path) {
    static const QStringList suffixes = {QStringLiteral("pdf"), QStringLiteral("png"),
                                         QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                         QStringLiteral("tif"), QStringLiteral("tiff")};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}

ScanFile::ScanFile(const QString& path)
    : m_path(path)
    , m_pdf(QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) {
    try {
        m_bytes = readRegularFile(path, MaxScanFileBytes);
    } catch (const RuntimeError& e) {
        unreadable(path, e.description());
    }
    if (!m_pdf)
        return;
    m_pages = pdfDocument(path, m_bytes)->numPages();
    if (m_pages > MostPages)
        unreadable(
            path,
            ScannedPageTexts::tr("it has %1 pages, more than %2").arg(m_pages).arg(MostPages));
}

ScannedPage ScanFile::page(int i) const {
    const QString name = QFileInfo(m_path).fileName();
    if (!m_pdf) {
        QByteArray bytes = m_bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        // A phone turns its photos by a tag: the page is found either way, but upright is nicer
        // in a message.
        reader.setAutoTransform(true);
        QImage image = reader.read();
        if (image.isNull())
            unreadable(m_path, reader.errorString());
        return {std::move(image), name};
    }
    const QString where = ScannedPageTexts::tr("%1, page %2").arg(name).arg(i + 1);
    const std::unique_ptr<Poppler::Document> document = pdfDocument(m_path, m_bytes);
    const std::unique_ptr<Poppler::Page> page = document->page(i);
    if (!page)
        unreadable(where, ScannedPageTexts::tr("the page is damaged"));
    const QSizeF points = page->pageSizeF();
    const double pixels = points.width() * points.height() * std::pow(ScanDpi / PointsPerInch, 2);
    const double dpi =
        pixels > MostPagePixels ? ScanDpi * std::sqrt(MostPagePixels / pixels) : ScanDpi;
    QImage image = page->renderToImage(dpi, dpi);
    if (image.isNull())
        unreadable(where, ScannedPageTexts::tr("the page cannot be drawn"));
    return {std::move(image), where};
}

} // namespace zavolin
