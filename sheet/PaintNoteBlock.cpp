#include "PaintNoteBlock.h"

#include "PageGeometry.h"
#include "platform/Conversions.h"

namespace zavolin {

void PaintNoteBlock(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                    const PictureClip& clpPics) {
    const float W = scale * sheet.sizes.at(index).Width;
    const float H = scale * sheet.sizes.at(index).Height;
    const qint32 columns = qMax<qint32>(1, sheet.geometry.Columns);
    const qint32 rows = toInt32(sheet.geometry.RowsPerPage);
    const float R = sheet.geometry.RowsPerPage;
    const float left = blockLeft(target.scaleWidth(), W, columns, sheet.offsets.LeftMargin);
    const float right = left + columns * (W + 2);
    const float top =
        float(target.scaleHeight()) * sheet.geometry.TopFraction + sheet.offsets.TopMargin;
    for (qint32 c = 0; c <= columns; ++c) {
        const float x = left + c * (W + 2);
        target.line(x, top, x, top + H * R + 30);
    }
    const float lineTop = top + 10;
    target.line(left - 30, lineTop, right + 28, lineTop);
    const float firstNote = lineTop + 1;
    for (qint32 i = 1; i <= rows; ++i)
        target.line(left - 30, firstNote + H * i, right + 28, firstNote + H * i);
    // One cell for every note: the PDF engine embeds a raster cell once.
    const std::shared_ptr<const Picture> cell = clpPics.GraphicCell(index - 1);
    for (qint32 i = 0; i < rows; ++i)
        for (qint32 c = 0; c < columns; ++c)
            target.paintPicture(*cell, left + c * (W + 2) + 1, firstNote + H * i, W, H);
}

} // namespace zavolin
