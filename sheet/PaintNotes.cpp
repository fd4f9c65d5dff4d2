#include "PaintNotes.h"

#include "errors/Trap.h"
#include "platform/Conversions.h"

namespace zavolin {

void PaintNotes(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                const PictureClip& clpPics) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PaintNotes"));
    // Target units, single precision like the sizes they are formed from.
    float x = 0;
    float y = 0;
    const auto W = [&] { return scale * sheet.sizes.at(index).Width; };
    const auto H = [&] { return scale * sheet.sizes.at(index).Height; };
    const float R = sheet.geometry.RowsPerPage;
    trap.run([&] {
        trap.at(20, [&] {
            x = float(intDivide(float(target.scaleWidth()) - W(), 2) +
                      qint32(sheet.offsets.LeftMargin));
        });
        trap.at(30, [&] {
            y = float(target.scaleHeight()) * sheet.geometry.TopFraction + sheet.offsets.TopMargin;
        });
        trap.at(40, [&] { target.line(x, y, x, y + H() * R + 30); });
        trap.at(50, [&] { target.line(x + 2 + W(), y, x + 2 + W(), y + H() * R + 30); });
        trap.at(60, [&] {
            y = float(target.scaleHeight()) * sheet.geometry.TopFraction + 10 +
                sheet.offsets.TopMargin;
        });
        trap.at(70, [&] { target.line(x - 30, y, x + 30 + W(), y); });
        trap.at(80, [&] { y = y + 1; });
        qint32 rows = 0;
        trap.at(90, [&] { rows = toInt32(R); });
        for (qint32 i = 1; i <= rows; ++i)
            trap.at(100, [&] { target.line(x - 30, y + H() * i, x + 30 + W(), y + H() * i); });
        trap.at(120, [&] { x = x + 1; });
        trap.at(130, [&] { rows = toInt32(R); });
        for (qint32 i = 1; i <= rows; ++i) {
            trap.at(140,
                    [&] { target.paintPicture(*clpPics.GraphicCell(index - 1), x, y, W(), H()); });
            trap.at(160, [&] { y = y + H(); });
        }
    });
}

} // namespace zavolin
