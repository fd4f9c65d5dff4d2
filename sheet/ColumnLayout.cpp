#include "ColumnLayout.h"

#include "platform/Printer.h"
#include "platform/Units.h"

namespace zavolin {

void fitColumns(Printer& printer, const SizeTable& sizes, qint16 Denom, qint16 Side,
                ColumnLayout layout, PageGeometry& geometry) {
    geometry.Columns = 1;
    if (layout != ColumnLayout::AsManyAsFit || Denom <= 0)
        return;
    // The paper's width as the edges are measured from it.
    const double paperWidth = printer.widthTwips() / TwipsPerMillimetre;
    geometry.Columns = columnsThatFit(paperWidth - geometry.EdgeLeft - geometry.EdgeRight,
                                      sizes.at(sheetIndex(Denom, Side)).Width);
}

} // namespace zavolin
