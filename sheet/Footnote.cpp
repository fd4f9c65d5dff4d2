#include "Footnote.h"

#include "PageGeometry.h"
#include "TextPicture.h"
#include "platform/print/DrawingSurface.h"

#include <QSizeF>
#include <algorithm>

namespace zavolin {
namespace {

constexpr double Gap = 0.8;            // millimetres kept from the cut lines and the area's edge
constexpr double SmallestHeight = 1.4; // still readable when a narrow column makes it smaller

// Where a sheet's (first) column lies across the target, between its vertical cut lines, and
// where its last horizontal cut line and its top are: the painters' own arithmetic.
struct Column {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

Column columnOf(const QSizeF& target, const PageRequest& page, float scale,
                const SheetContext& sheet) {
    Column c;
    c.top = target.height() * sheet.geometry.TopFraction + sheet.offsets.TopMargin;
    if (page.kind != PageRequest::Kind::Sheet) {
        c.right = target.width();
        c.bottom = c.top;
        return c;
    }
    const float width = scale * sheet.sizes.at(page.isBanknote() ? page.index() : 0).Width;
    const float height = scale * sheet.sizes.at(page.index()).Height;
    const qint32 columns = page.isBanknote() ? qMax<qint32>(1, sheet.geometry.Columns) : 1;
    c.left = blockLeft(target.width(), width, columns, sheet.offsets.LeftMargin);
    // The first column, which no cut line crosses: a banknote's right cut line lies 2 units
    // beyond its note, a coin strip's 1 unit inside it.
    c.right = c.left + (page.isBanknote() ? width + 2 : width - 1);
    const float gap = page.isBanknote() ? FirstNoteGap : FirstStripGap;
    c.bottom = c.top + gap + double(sheet.geometry.RowsPerPage) * height;
    return c;
}

} // namespace

std::optional<PlannedFootnote> planFootnote(const PageRequest& page, const QSizeF& target,
                                            float scale, const SheetContext& sheet) {
    if (page.footnote.isEmpty())
        return std::nullopt;
    const TextPicture text(page.footnote);
    const double gap = Gap * scale;
    double height = FootnoteHeight * scale;
    const Column column = columnOf(target, page, scale, sheet);
    const bool roomBelow = target.height() - column.bottom >= height + 2 * gap;
    // Centred on the page, at its bottom unless only the room above the sheet crosses no line.
    double left = 0;
    double right = target.width();
    double y = target.height() - gap - height;
    if (roomBelow) {
        // Below the last cut line, between the vertical ones, which run on to the bottom.
        left = column.left;
        right = column.right;
        const double room = right - left - 2 * gap;
        height = std::max(SmallestHeight * scale,
                          std::min(height, height * room / text.widthAt(height)));
        y = target.height() - gap - height;
    } else if (column.top >= height + 2 * gap) {
        // The sheet reaches the bottom: above it, where no cut line runs.
        y = column.top - gap - height;
    }
    const double width = text.widthAt(height);
    const double x = (left + right - width) / 2;
    return PlannedFootnote{QRectF(std::max(0.0, x), y, width, height), page.footnote};
}

void drawFootnote(DrawingSurface& target, const PageRequest& page, float scale,
                  const SheetContext& sheet) {
    // A page without one asks nothing of the target.
    if (page.footnote.isEmpty())
        return;
    const auto planned =
        planFootnote(page, QSizeF(target.scaleWidth(), target.scaleHeight()), scale, sheet);
    if (planned)
        target.paintFootnote(TextPicture(planned->text), planned->rect.x(), planned->rect.y(),
                             planned->rect.width(), planned->rect.height());
}

} // namespace zavolin
