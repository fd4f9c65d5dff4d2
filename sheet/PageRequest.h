#pragma once

#include "SizeTable.h"

#include <QtGlobal>

namespace zavolin {

// One page to draw: the coin sheet or a banknote value, and the side.
struct PageRequest {
    qint16 Denom = 1; // 0 the coin sheet, 1..10 the banknotes "1" to "1000"
    qint16 Side = 0;  // 0 front, 1 back

    bool isBanknote() const { return Denom > 0; }
    // The size-table entry of the page's items: the banknote's side, or the coin strip, whose
    // entry is Denom (0) itself.
    qint16 index() const { return isBanknote() ? qint16(sheetIndex(Denom, Side)) : Denom; }
};

} // namespace zavolin
