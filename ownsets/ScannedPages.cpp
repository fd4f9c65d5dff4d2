#include "ScannedPages.h"

#include "PdfPageDrawing.h"
#include "platform/base/ProgramModule.h"
#include "platform/base/RuntimeError.h"
#include "platform/files/RegularFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace zavolin {
namespace {

struct ScannedPageTexts {
    Q_DECLARE_TR_FUNCTIONS(OwnSets)
};

constexpr double ScanDpi = 300;
// A page drawn larger than this is drawn at a lower resolution: A3 at 300 dpi is 17 million.
constexpr double MostPagePixels = 40e6;
constexpr int MostPages = 500;

[[noreturn]] void unreadable(const QString& what, const QString& why) {
    raise(ErrNo::InvalidPicture, ScannedPageTexts::tr("%1 cannot be read: %2").arg(what, why));
}

// The PDF page module beside the program, loaded once, on first use.
DrawPdfPage pdfPageDrawer(const QString& path) {
    static QString problem;
    static const auto draw = [] {
        return reinterpret_cast<DrawPdfPage>(
            programModuleFunction(PdfPagesModule, DrawPdfPageSymbol, &problem));
    }();
    if (!draw)
        unreadable(path, ScannedPageTexts::tr("the PDF reader cannot be loaded (%1); install "
                                              "Zavolin again")
                             .arg(problem));
    return draw;
}

// Page `page` of the PDF drawn (none for -1), or its problem raised in words for `where`.
PdfPageDrawing drawPdfPage(const QString& path, const QString& where, const QByteArray& bytes,
                           int page) {
    using Problem = PdfPageDrawing::Problem;
    PdfPageDrawing drawing;
    pdfPageDrawer(path)(&bytes, page, ScanDpi, MostPagePixels, &drawing);
    switch (drawing.problem) {
    case Problem::None:
        break;
    case Problem::NotPdf:
        unreadable(path, ScannedPageTexts::tr("it is not a PDF document"));
    case Problem::Locked:
        unreadable(path, ScannedPageTexts::tr("it is locked with a password"));
    case Problem::Damaged:
        unreadable(where, ScannedPageTexts::tr("the page is damaged"));
    case Problem::NotDrawn:
        unreadable(where, ScannedPageTexts::tr("the page cannot be drawn"));
    }
    return drawing;
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
    m_pages = drawPdfPage(path, path, m_bytes, -1).pages;
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
    return {drawPdfPage(m_path, where, m_bytes, i).image, where};
}

} // namespace zavolin
