#pragma once

#include "SheetContext.h"
#include "platform/pictures/Picture.h"
#include "platform/print/DrawingSurface.h"

namespace zavolin {

// Draws one page of coin strips on the target: a centred column of RowsPerPage strips, each
// the given strip picture of the chosen side, separated by cut lines. The column and its
// vertical cut lines follow entry 0 of the size table, the strips and horizontal cut lines
// entry `index` (every caller passes Denom, which is 0 here). A missing strip picture is a
// failure of the drawing statement. Adds to what the target holds.
void PaintCoins(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                const Picture* strip);

} // namespace zavolin
