#pragma once

#include "PageGeometry.h"
#include "SizeTable.h"
#include "platform/Printer.h"

#include <functional>

namespace zavolin {

// Sets the printer's drawing unit to millimetres, measures its edges, clears the preview
// (through clearPreview, which may be empty where there is none) and works out how many items
// of the current entry fit on a page and where the sheet's top lies. Denom 0 is the coin
// sheet, 1..10 a banknote; Side 0 front, 1 back. Paints nothing.
void ScaleFactor(Printer& printer, const SizeTable& sizes, qint16 Denom, qint16 Side,
                 PageGeometry& geometry, const std::function<void()>& clearPreview);

} // namespace zavolin
