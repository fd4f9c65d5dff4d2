// The PDF page module: Poppler behind one entry point, loaded when a scanned PDF is first read.
#include "PdfPageDrawing.h"

#include <cmath>
#include <memory>
#include <poppler/qt6/poppler-qt6.h>

namespace {

constexpr double PointsPerInch = 72;

} // namespace

extern "C" __attribute__((visibility("default"))) void
zavolinDrawPdfPage(const QByteArray* bytes, int page, double dpi, double mostPixels,
                   zavolin::PdfPageDrawing* result) {
    using Problem = zavolin::PdfPageDrawing::Problem;
    // Poppler's documents are not shared between threads: one for each call.
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(*bytes);
    if (!document) {
        result->problem = Problem::NotPdf;
        return;
    }
    if (document->isLocked()) {
        result->problem = Problem::Locked;
        return;
    }
    result->pages = document->numPages();
    if (page < 0)
        return;
    document->setRenderHint(Poppler::Document::Antialiasing);
    const std::unique_ptr<Poppler::Page> drawn = document->page(page);
    if (!drawn) {
        result->problem = Problem::Damaged;
        return;
    }
    const QSizeF points = drawn->pageSizeF();
    const double pixels = points.width() * points.height() * std::pow(dpi / PointsPerInch, 2);
    if (pixels > mostPixels)
        dpi *= std::sqrt(mostPixels / pixels);
    result->image = drawn->renderToImage(dpi, dpi);
    if (result->image.isNull())
        result->problem = Problem::NotDrawn;
}
