#include "PaintCoins.h"

#include "errors/Trap.h"
#include "platform/Conversions.h"
#include "platform/PictureLoader.h"

namespace zavolin {

void PaintCoins(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                const Picture* strip) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PaintCoins"));
    float x = 0;
    float y = 0;
    const auto W0 = [&] { return scale * sheet.sizes.at(0).Width; };
    const auto H0 = [&] { return scale * sheet.sizes.at(0).Height; };
    const auto W = [&] { return scale * sheet.sizes.at(index).Width; };
    const auto H = [&] { return scale * sheet.sizes.at(index).Height; };
    const float R = sheet.geometry.RowsPerPage;
    trap.run([&] {
        trap.at(20, [&] {
            x = float(intDivide(float(target.scaleWidth()) - W0(), 2) +
                      qint32(sheet.offsets.LeftMargin));
        });
        trap.at(30, [&] {
            y = float(target.scaleHeight()) * sheet.geometry.TopFraction + sheet.offsets.TopMargin;
        });
        trap.at(40, [&] { target.line(x, y, x, y + H0() * R + 20); });
        trap.at(50, [&] { target.line(x + W0() - 1, y, x + W0() - 1, y + H0() * R + 20); });
        trap.at(60, [&] {
            y = float(target.scaleHeight()) * sheet.geometry.TopFraction + 10 +
                sheet.offsets.TopMargin;
        });
        qint32 rows = 0;
        trap.at(70, [&] { rows = toInt32(R + 1); });
        for (qint32 i = 1; i <= rows; ++i)
            trap.at(80, [&] {
                target.line(x - 10, y + H() * (i - 1), x + 10 + W(), y + H() * (i - 1));
            });
        trap.at(100, [&] { rows = toInt32(R); });
        for (qint32 i = 1; i <= rows; ++i) {
            trap.at(110, [&] {
                if (!strip)
                    raise(ErrNo::InvalidPicture,
                          QStringLiteral("Invalid picture: the coin strip picture is missing."));
                target.paintPicture(*strip, x, y, W(), H());
            });
            trap.at(120, [&] { y = y + H(); });
        }
    });
}

} // namespace zavolin
