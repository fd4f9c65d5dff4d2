#include "PreviewScale.h"

#include "platform/print/Printer.h"

namespace zavolin {
namespace {

// Printable sizes in millimetres, whatever unit the printer was left in.
QSizeF printableMillimetres(Printer& printer) {
    const PrinterScaleMode mode = printer.scaleMode();
    printer.setScaleMode(PrinterScaleMode::Millimetres);
    const QSizeF size(printer.scaleWidth(), printer.scaleHeight());
    printer.setScaleMode(mode);
    return size;
}

} // namespace

double paperRatio(Printer& printer, const PageGeometry& geometry) {
    const QSizeF printable = printableMillimetres(printer);
    return (printable.height() + geometry.EdgeTop + geometry.EdgeBottom) /
           (printable.width() + geometry.EdgeLeft + geometry.EdgeRight);
}

QSizeF previewSize(double clientHeight, double paperRatio) {
    return {0.65 * clientHeight, 0.65 * clientHeight * paperRatio};
}

float previewScale(double previewInnerHeight, Printer& printer) {
    return float(previewInnerHeight / printableMillimetres(printer).height());
}

} // namespace zavolin
