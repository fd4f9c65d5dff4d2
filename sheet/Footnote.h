#pragma once

#include "PagePlan.h"
#include "PageRequest.h"
#include "SheetContext.h"

namespace zavolin {

class DrawingSurface;

// A footnote's height on paper, in millimetres: small, yet readable.
inline constexpr double FootnoteHeight = 2.2;

// Where the page's footnote, if it has one, lies on a target of that inner size at `scale`
// target units per millimetre, crossing no cut line where there is room: in the bottom margin
// below the sheet's last cut line, centred between the vertical cut lines (made smaller to fit
// a narrow column), else in the top margin above the sheet. Never on the notes.
std::optional<PlannedFootnote> planFootnote(const PageRequest& page, const QSizeF& target,
                                            float scale, const SheetContext& sheet);
// The planned footnote drawn on the target in grey, as the page's own picture. A page turned
// over draws it through the surface that turns it, so it follows its sheet.
void drawFootnote(DrawingSurface& target, const PageRequest& page, float scale,
                  const SheetContext& sheet);

} // namespace zavolin
