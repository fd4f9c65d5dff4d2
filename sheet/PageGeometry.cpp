#include "PageGeometry.h"

#include "platform/compat/Conversions.h"

#include <algorithm>
#include <cmath>

namespace zavolin {
namespace {

// Leaves room for the float arithmetic of the painters: a micrometre is no overhang.
constexpr double Tolerance = 0.001;

} // namespace

double sheetBottom(const PageGeometry& geometry, float rows, float itemHeight, float firstItemGap) {
    return double(geometry.EdgeTop) + double(firstItemGap) + double(rows) * double(itemHeight);
}

float rowsPerPage(float printableHeight, const PageGeometry& geometry, float itemHeight,
                  float firstItemGap, float offsetDown) {
    qint32 rows = intDivide(printableHeight - geometry.EdgeTop - geometry.EdgeBottom, itemHeight);
    // The quotient counts rounded heights and ignores the gap above the first item, so its
    // last rows may end below the printable area, where the printer cannot print them; so may
    // rows the print offset moves down.
    while (rows > 0 && sheetBottom(geometry, float(rows), itemHeight, firstItemGap) + offsetDown >
                           double(printableHeight) + Tolerance)
        --rows;
    return float(rows);
}

qint16 columnsThatFit(double availableWidth, float itemWidth) {
    if (itemWidth <= 0)
        return 1;
    const double columns = std::floor((availableWidth + 2 + Tolerance) / (double(itemWidth) + 2));
    return qint16(std::clamp(columns, 1.0, 100.0));
}

qint16 columnsWithinPrintable(double printableWidth, float itemWidth) {
    if (itemWidth <= 0)
        return 1;
    const double columns = std::floor((printableWidth + Tolerance) / (double(itemWidth) + 2));
    return qint16(std::clamp(columns, 1.0, 100.0));
}

float blockLeft(double targetWidth, float itemWidth, qint32 columns, qint16 LeftMargin) {
    // One note is centred in whole units as it always was, its right cut line 2 beyond it.
    // Several columns are centred exactly by their outer cut lines: centred by their notes, the
    // right cut line of columns that just fit would lie beyond the printable area, and whole
    // units would put a line on its very edge.
    if (columns > 1)
        return float((targetWidth - double(columns) * (double(itemWidth) + 2)) / 2 +
                     double(LeftMargin));
    const float block = float(columns) * (itemWidth + 2) - 2;
    return float(intDivide(float(targetWidth) - block, 2) + qint32(LeftMargin));
}

} // namespace zavolin
