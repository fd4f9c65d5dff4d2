#pragma once

#include "platform/print/QtPrinter.h"

#include <QDateTime>
#include <QString>
#include <memory>

namespace zavolin {

// Moves the written file into folder as "<title>-2024-05-01-134502.pdf" for a printout made at
// time, or with "-2", "-3", ... before ".pdf" when that name is taken: it never replaces a file
// that is there. Returns the new path; raises PrinterError (and removes file) on failure.
QString placePrintout(const QString& file, const QString& folder, const QString& title,
                      const QDateTime& time);

// The message that tells the user where a printout was saved.
QString printoutSavedMessage(const QString& path);

// The printer of a system without printers: A4 with 5 mm unprintable edges; each document is
// saved as a new PDF file in folder (the user's documents folder when empty) and the user is
// told where.
std::unique_ptr<QtPrinter> openPdfFallbackPrinter(const QString& folder = QString());

} // namespace zavolin
