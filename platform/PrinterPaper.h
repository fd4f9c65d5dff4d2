#pragma once

#include <QMarginsF>
#include <QPageSize>

namespace zavolin {

// The paper a printer prints on and the edges of it the printer cannot reach.
struct PrinterPaper {
    QPageSize pageSize;               // in portrait orientation
    QMarginsF unprintableMillimetres; // left, top, right, bottom
    int maxCopies = 9999;             // the most copies of a document the printer accepts
};

} // namespace zavolin
