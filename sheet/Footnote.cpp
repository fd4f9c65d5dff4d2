#include "Footnote.h"

#include "PageGeometry.h"
#include "TextPicture.h"
#include "platform/DrawingSurface.h"

#include <algorithm>

namespace zavolin {
namespace {

constexpr double Gap = 0.8; // millimetres kept from the cut lines and the printable area's edge

// Where the sheet's last horizontal cut line lies on the target; the sheet's top when the page
// has no sheet.
double lastCutLine(DrawingSurface& target, const PageRequest& page, float scale,
                   const SheetContext& sheet) {
    const double top = target.scaleHeight() * sheet.geometry.TopFraction + sheet.offsets.TopMargin;
    if (page.kind != PageRequest::Kind::Sheet)
        return top;
    const float gap = page.isBanknote() ? FirstNoteGap : FirstStripGap;
    return top + gap +
           double(sheet.geometry.RowsPerPage) * scale * sheet.sizes.at(page.index()).Height;
}

} // namespace

void drawFootnote(DrawingSurface& target, const PageRequest& page, float scale,
                  const SheetContext& sheet) {
    if (page.footnote.isEmpty())
        return;
    const TextPicture text(page.footnote);
    const double height = FootnoteHeight * scale;
    const double gap = Gap * scale;
    const double width = std::min(text.widthAt(height), target.scaleWidth());
    const double x = (target.scaleWidth() - width) / 2;
    const double bottomRoom = target.scaleHeight() - lastCutLine(target, page, scale, sheet);
    double y = target.scaleHeight() - gap - height;
    if (bottomRoom < height + 2 * gap) {
        // The sheet reaches the bottom: the room above its top cut line, where the vertical
        // cut lines start, 10 units higher.
        const double sheetTop =
            target.scaleHeight() * sheet.geometry.TopFraction + sheet.offsets.TopMargin;
        if (sheetTop >= height + 2 * gap)
            y = std::max(gap, sheetTop - gap - height);
    }
    target.paintPicture(text, x, y, width, height);
}

} // namespace zavolin
