// The layouts of a sheet of banknotes or coin strips as plans. The arithmetic is the painters'
// own, statement by statement and in single precision, so that a plan lands on the very units
// the painters have always drawn at.

#include "PageGeometry.h"
#include "PagePlan.h"
#include "platform/compat/Conversions.h"

namespace zavolin {

PagePlan planNotes(const QSizeF& target, qint16 index, float scale, const SheetContext& sheet) {
    const float W = scale * sheet.sizes.at(index).Width;
    const float H = scale * sheet.sizes.at(index).Height;
    const float R = sheet.geometry.RowsPerPage;
    PagePlan plan;
    float x =
        float(intDivide(float(target.width()) - W, 2) + qint32(sheet.offsets.LeftMargin));   // 20
    float y = float(target.height()) * sheet.geometry.TopFraction + sheet.offsets.TopMargin; // 30
    plan.lines.append({QLineF(x, y, x, y + H * R + 30), 40});
    plan.lines.append({QLineF(x + 2 + W, y, x + 2 + W, y + H * R + 30), 50});
    y = float(target.height()) * sheet.geometry.TopFraction + 10 + sheet.offsets.TopMargin; // 60
    plan.lines.append({QLineF(x - 30, y, x + 30 + W, y), 70});
    y = y + 1; // 80
    const qint32 rows = toInt32(R);
    for (qint32 i = 1; i <= rows; ++i)
        plan.lines.append({QLineF(x - 30, y + H * i, x + 30 + W, y + H * i), 100});
    x = x + 1; // 120
    const qint16 cell = qint16(index - 1);
    for (qint32 i = 1; i <= rows; ++i) {
        plan.pictures.append({QRectF(x, y, W, H), PlannedArt::NoteCell, cell, 140});
        y = y + H; // 160
    }
    return plan;
}

PagePlan planNoteBlock(const QSizeF& target, qint16 index, float scale, const SheetContext& sheet) {
    const float W = scale * sheet.sizes.at(index).Width;
    const float H = scale * sheet.sizes.at(index).Height;
    const qint32 columns = qMax<qint32>(1, sheet.geometry.Columns);
    const qint32 rows = toInt32(sheet.geometry.RowsPerPage);
    const float R = sheet.geometry.RowsPerPage;
    const float left = blockLeft(target.width(), W, columns, sheet.offsets.LeftMargin);
    const float right = left + columns * (W + 2);
    const float top = float(target.height()) * sheet.geometry.TopFraction + sheet.offsets.TopMargin;
    PagePlan plan;
    for (qint32 c = 0; c <= columns; ++c) {
        const float x = left + c * (W + 2);
        plan.lines.append({QLineF(x, top, x, top + H * R + 30)});
    }
    const float lineTop = top + 10;
    plan.lines.append({QLineF(left - 30, lineTop, right + 28, lineTop)});
    const float firstNote = lineTop + 1;
    for (qint32 i = 1; i <= rows; ++i)
        plan.lines.append({QLineF(left - 30, firstNote + H * i, right + 28, firstNote + H * i)});
    const qint16 cell = qint16(index - 1);
    for (qint32 i = 0; i < rows; ++i)
        for (qint32 c = 0; c < columns; ++c)
            plan.pictures.append({QRectF(left + c * (W + 2) + 1, firstNote + H * i, W, H),
                                  PlannedArt::NoteCell, cell});
    return plan;
}

PagePlan planCoins(const QSizeF& target, qint16 index, float scale, const SheetContext& sheet) {
    const float W0 = scale * sheet.sizes.at(0).Width;
    const float H0 = scale * sheet.sizes.at(0).Height;
    const float W = scale * sheet.sizes.at(index).Width;
    const float H = scale * sheet.sizes.at(index).Height;
    const float R = sheet.geometry.RowsPerPage;
    PagePlan plan;
    float x =
        float(intDivide(float(target.width()) - W0, 2) + qint32(sheet.offsets.LeftMargin));  // 20
    float y = float(target.height()) * sheet.geometry.TopFraction + sheet.offsets.TopMargin; // 30
    plan.lines.append({QLineF(x, y, x, y + H0 * R + 20), 40});
    plan.lines.append({QLineF(x + W0 - 1, y, x + W0 - 1, y + H0 * R + 20), 50});
    y = float(target.height()) * sheet.geometry.TopFraction + 10 + sheet.offsets.TopMargin; // 60
    const qint32 lines = toInt32(R + 1);                                                    // 70
    for (qint32 i = 1; i <= lines; ++i)
        plan.lines.append({QLineF(x - 10, y + H * (i - 1), x + 10 + W, y + H * (i - 1)), 80});
    const qint32 rows = toInt32(R); // 100
    for (qint32 i = 1; i <= rows; ++i) {
        plan.pictures.append({QRectF(x, y, W, H), PlannedArt::CoinStrip, 0, 110});
        y = y + H; // 120
    }
    return plan;
}

} // namespace zavolin
