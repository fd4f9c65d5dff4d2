#pragma once

#include "QtPrinter.h"

#include <QString>
#include <memory>

namespace zavolin {

// The paper of a CUPS queue: its default page size and that page's unprintable edges (the
// PPD's imageable area).
PrinterPaper cupsQueuePaper(const QString& queue);

// A printer on the named CUPS queue; each document is handed to the scheduler with lp, so a
// refused job raises PrinterError instead of vanishing. Raises PrinterError for an unknown
// queue.
std::unique_ptr<QtPrinter> openCupsQueuePrinter(const QString& queue);

} // namespace zavolin
