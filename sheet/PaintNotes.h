#pragma once

#include "SheetContext.h"
#include "platform/pictures/PictureClip.h"
#include "platform/print/DrawingSurface.h"

namespace zavolin {

// Draws one page of banknotes of size-table entry `index` (1..20) on the target: a centred
// column of RowsPerPage notes framed by cut lines, each note cell index − 1 of the picture
// set. Item sizes are multiplied by `scale` (target units per millimetre); gaps and offsets
// are added unscaled. Adds to what the target holds; neither clears it nor ends a page.
void PaintNotes(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                const PictureClip& clpPics);

} // namespace zavolin
