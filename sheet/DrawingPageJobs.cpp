#include "DrawingPageJobs.h"

#include "DrawingPages.h"
#include "PlanPainter.h"
#include "WholeSet.h"
#include "platform/pictures/PictureClip.h"
#include "platform/print/PdfFilePrinter.h"
#include "platform/print/QtPrinter.h"

namespace zavolin {

QList<PageRequest> drawingPagesOn(const PrinterPaper& paper, const SizeTable& sizes,
                                  const QList<qint16>& values) {
    QtPrinter measuring(paper, nullptr);
    measuring.setScaleMode(PrinterScaleMode::Millimetres);
    return drawingPageRequests(sizes, innerSize(measuring), values);
}

void writeDrawingPages(const QString& path, StandardPaper paper, const SizeTable& sizes,
                       const QList<qint16>& values, int copies) {
    const QList<PageRequest> one = drawingPagesOn(pdfPrinterPaper(paper), sizes, values);
    QList<PageRequest> pages;
    for (int copy = 0; copy < copies; ++copy)
        pages += one;
    const std::unique_ptr<QtPrinter> printer = openPdfFilePrinter(path, paper);
    const PictureClip noNotes;
    printSetPages(*printer, pages, {sizes, {}, noNotes}, 1);
}

} // namespace zavolin
