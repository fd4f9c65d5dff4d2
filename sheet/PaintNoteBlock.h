#pragma once

#include "SheetContext.h"
#include "platform/pictures/PictureClip.h"
#include "platform/print/DrawingSurface.h"

namespace zavolin {

// Draws a page of banknotes in geometry.Columns columns side by side, each column the one
// PaintNotes draws (its note 1 unit inside its left cut line, its lines 2 + W apart), the
// neighbours sharing their vertical cut line; the block is centred as one column is and the
// horizontal cut lines run across all of it with the same overhangs. One column draws exactly
// what PaintNotes draws. Failures raise.
void PaintNoteBlock(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                    const PictureClip& clpPics);

} // namespace zavolin
