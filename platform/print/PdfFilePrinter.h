#pragma once

#include "platform/print/QtPrinter.h"

#include <QString>
#include <memory>

namespace zavolin {

// The papers a file can be laid out for.
using PdfPaper = StandardPaper;

// Paper like a common printer's: the given size with 5 mm unprintable on every side.
PrinterPaper pdfPrinterPaper(PdfPaper paper);

// A printer that writes each document to the PDF file target, replacing it. The document is
// written beside the target under a temporary name and renamed when complete, so a failure
// leaves no partial file and an existing target untouched.
std::unique_ptr<QtPrinter> openPdfFilePrinter(const QString& target, PdfPaper paper);

} // namespace zavolin
