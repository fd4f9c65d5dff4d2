#pragma once

#include "PageRequest.h"
#include "SizeTable.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <array>
#include <optional>

namespace zavolin {

// Pages for drawing the notes by hand: each holds the frames of some notes at their printed
// size, with a code in each corner that finds the page again in a scan. A cell is numbered as in
// the drawing template: 2 × (Denom − 1) + Side.

// The pages' version: a scan of another version's pages is not read.
inline constexpr int DrawingPagesVersion = 1;

// Where a page's parts lie, in millimetres from the top left of the printable area it is made
// for. Made again from a scan's label, so the layout must depend on nothing else.
struct DrawingPageLayout {
    QSizeF target;
    QList<qint16> cells;
    QList<QRectF> frames;        // each cell's frame, in the order of `cells`
    QList<QRectF> captions;      // the line above each frame naming its note
    std::array<QRectF, 4> codes; // top left, top right, bottom right, bottom left
    QRectF title;                // between the top codes
    QRectF footer;               // between the bottom codes
};

// The inset of the drawing area inside each frame, dashed on the page.
inline constexpr double DrawingAreaInset = 2;

DrawingPageLayout drawingPageLayout(const SizeTable& sizes, QSizeF target,
                                    const QList<qint16>& cells);

// The cells of the values' fronts and backs (Denom 1 to 10, in the order given) divided among
// pages of that target: a value's front and back side by side where they fit, else one above
// the other, and kept on one page where they fit on one. Raises PrinterError when a single
// frame does not fit the page.
QList<QList<qint16>> drawingPageCells(const SizeTable& sizes, QSizeF target,
                                      const QList<qint16>& values);

// The drawing pages for those values as pages to print, numbered.
QList<PageRequest> drawingPageRequests(const SizeTable& sizes, QSizeF target,
                                       const QList<qint16>& values);

// What each corner code says: the version, the printable area and cells the page was laid out
// for, and which corner it is; uppercase letters, digits and / . only, so the code stays small.
struct DrawingPageLabel {
    int version = DrawingPagesVersion;
    QSizeF target;
    QList<qint16> cells;
    int corner = 0; // 0 top left, clockwise

    // The same page, whichever corner.
    bool samePage(const DrawingPageLabel& other) const {
        return version == other.version && target == other.target && cells == other.cells;
    }
};
QString drawingPageLabelText(const DrawingPageLabel& label);
// A code's text read back; none for anything that is not such a label.
std::optional<DrawingPageLabel> readDrawingPageLabel(const QString& text);

} // namespace zavolin
