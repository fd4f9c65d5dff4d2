#pragma once

#include "SheetRequest.h"

namespace zavolin {

// Raised by the command's program end: a failure the error trap reported ends the command
// with its destructors run, so no partial output is left.
struct CommandEnded {};

// Makes the requested sheet. Raises RuntimeError for a failure outside the guarded
// procedures and CommandEnded after one they reported.
void makeSheet(const SheetRequest& request);

// Writes the drawing template for one's own banknote pictures to path (.svg or .png), or the
// drawing pages of the values on that paper (.pdf), its texts in the language in use. Raises
// RuntimeError for a failure.
void makeTemplate(const QString& path, StandardPaper paper, const QList<qint16>& values);

} // namespace zavolin
