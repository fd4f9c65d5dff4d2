#pragma once

#include "PageGeometry.h"
#include "SizeTable.h"

namespace zavolin {

// The user's print offsets in whole target units, to the right and downwards.
struct PrintOffsets {
    qint16 LeftMargin = 0;
    qint16 TopMargin = 0;
};

// The largest shift either way that the print adjustment dialog offers, in millimetres.
inline constexpr qint16 MaxPrintOffset = 20;

// What the painters read besides their target, index and scale; the caller owns all of it.
struct SheetContext {
    const SizeTable& sizes;
    const PageGeometry& geometry;
    PrintOffsets offsets;
};

} // namespace zavolin
