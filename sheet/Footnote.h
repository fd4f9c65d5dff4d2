#pragma once

#include "PageRequest.h"
#include "SheetContext.h"

namespace zavolin {

class DrawingSurface;

// A footnote's height on paper, in millimetres: small, yet readable.
inline constexpr double FootnoteHeight = 2.2;

// Draws the page's footnote, if it has one, on the target at `scale` target units per
// millimetre, in grey, crossing no cut line where there is room: in the bottom margin below
// the sheet's last cut line, centred between the vertical cut lines (made smaller to fit a
// narrow column), else in the top margin above the sheet. Never on the notes. A page turned
// over draws it through the surface that turns it, so it follows its sheet.
void drawFootnote(DrawingSurface& target, const PageRequest& page, float scale,
                  const SheetContext& sheet);

} // namespace zavolin
