#pragma once

#include "OwnSetImport.h"
#include "sheet/SizeTable.h"

#include <QStringList>

namespace zavolin {

// Makes the set's grid of the drawing pages in the scan files (ScannedPages), read in the order
// given: each page found by its corner codes, each frame cut out straight. A later page wins over
// an earlier one of the same note, said in the set's notes. Stops when no file holds a drawing
// page, or fronts are missing (named); missing backs are plain, with a warning; files and pages
// holding no page, or a page not all found, are named in warnings.
// `source` names what was given, for the messages. Returns the number of drawing pages read.
int prepareFromScans(PreparedSet& set, const QString& source, const QStringList& files,
                     const SizeTable& sizes);

} // namespace zavolin
