#pragma once

#include "PageRequest.h"
#include "SheetContext.h"

namespace zavolin {

class DrawingSurface;

// A footnote's height on paper, in millimetres: small, yet readable.
inline constexpr double FootnoteHeight = 2.2;

// Draws the page's footnote, if it has one, centred on the target at `scale` target units
// per millimetre: in the bottom margin below the sheet's last cut line where it fits there,
// else in the top margin above the sheet. Never on the notes.
void drawFootnote(DrawingSurface& target, const PageRequest& page, float scale,
                  const SheetContext& sheet);

} // namespace zavolin
