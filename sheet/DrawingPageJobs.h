#pragma once

#include "PageRequest.h"
#include "SizeTable.h"
#include "platform/print/PrinterPaper.h"

#include <QList>
#include <QString>

namespace zavolin {

// The drawing pages of the values (Denom 1 to 10), laid out on the printable area of the paper.
// Raises PrinterError for a paper too small for a note.
QList<PageRequest> drawingPagesOn(const PrinterPaper& paper, const SizeTable& sizes,
                                  const QList<qint16>& values);

// Writes the drawing pages of the values as a PDF file of that paper, `copies` times one after
// the other, whole or not at all. Raises RuntimeError for what cannot be done.
void writeDrawingPages(const QString& path, StandardPaper paper, const SizeTable& sizes,
                       const QList<qint16>& values, int copies = 1);

} // namespace zavolin
