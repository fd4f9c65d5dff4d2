#pragma once

#include "ColumnLayout.h"
#include "PageGeometry.h"
#include "SizeTable.h"
#include "platform/print/Printer.h"

#include <functional>

namespace zavolin {

// What besides the size decides how much of it a page holds: the column layout, and the print
// offset downwards, which no row may push below the printable area.
struct PageFit {
    ColumnLayout columns = ColumnLayout::One;
    qint16 TopMargin = 0;
    // The backs are turned over about the long edge: the columns must fit mirrored too.
    bool turnedBacks = false;
};

// Sets the printer's drawing unit to millimetres, measures its edges, clears the preview
// (through clearPreview, which may be empty where there is none) and works out how many items
// of the current entry fit on a page and where the sheet's top lies. Denom 0 is the coin
// sheet, 1..10 a banknote; Side 0 front, 1 back. A banknote page has as many columns as the
// fit's layout asks and the paper's width between EdgeLeft and EdgeRight holds; the coin
// sheet one. Paints nothing.
void ScaleFactor(Printer& printer, const SizeTable& sizes, qint16 Denom, qint16 Side,
                 PageGeometry& geometry, const std::function<void()>& clearPreview,
                 const PageFit& fit = {});

} // namespace zavolin
