#pragma once

#include <QByteArray>
#include <QImage>

namespace zavolin {

// What the PDF page module (zavolin-pdfpages.so) gives back. Poppler, and the two dozen
// libraries it brings, are loaded only when a scanned PDF is read, not at every start.
struct PdfPageDrawing {
    enum class Problem { None, NotPdf, Locked, Damaged, NotDrawn };
    Problem problem = Problem::None;
    int pages = 0; // the document's pages
    QImage image;  // the page asked for, when one was
};

// The module's one entry point, "zavolinDrawPdfPage": counts the pages of the PDF in `bytes`
// and, for `page` 0 or more, draws that page at `dpi`, or at less when it would have more than
// `mostPixels`. Thread-safe: each call reads a document of its own.
using DrawPdfPage = void (*)(const QByteArray* bytes, int page, double dpi, double mostPixels,
                             PdfPageDrawing* result);

inline constexpr char PdfPagesModule[] = "zavolin-pdfpages.so";
inline constexpr char DrawPdfPageSymbol[] = "zavolinDrawPdfPage";

} // namespace zavolin
