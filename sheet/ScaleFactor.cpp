#include "ScaleFactor.h"

#include "DruckRand.h"
#include "TurnedOverSurface.h"
#include "errors/Trap.h"
#include "platform/base/Units.h"

#include <cmath>

namespace zavolin {
namespace {

// The width a block of columns may take: the paper's between the edges. A back turned over lies
// mirrored about the paper's centre; where the printable area is off centre by d, the mirrored
// block is off by 2d, which the block must leave free on both sides.
double turnedBackShift(Printer& printer, bool turnedBacks) {
    if (!turnedBacks)
        return 0;
    const double offCentre = std::abs(2 * paperCentreLine(printer) - printer.scaleWidth()) / 2;
    // The printable area's edge is known to a device unit only: an area centred on the paper
    // reads as off centre by a rounding, which would cost a column where it just fits.
    if (offCentre <= 1 / printer.deviceUnitsPerMillimetre())
        return 0;
    return 4 * offCentre;
}

double blockRoom(Printer& printer, const PageGeometry& geometry, bool turnedBacks) {
    return printer.widthTwips() / TwipsPerMillimetre - geometry.EdgeLeft - geometry.EdgeRight -
           turnedBackShift(printer, turnedBacks);
}

// As many columns as fit between the edges and, with their outer cut lines, on the printable
// area (mirrored too, for turned backs).
qint16 columnsOnPage(Printer& printer, const PageGeometry& geometry, bool turnedBacks,
                     float width) {
    return qMin(columnsThatFit(blockRoom(printer, geometry, turnedBacks), width),
                columnsWithinPrintable(printer.scaleWidth() - turnedBackShift(printer, turnedBacks),
                                       width));
}

} // namespace

void ScaleFactor(Printer& printer, const SizeTable& sizes, qint16 Denom, qint16 Side,
                 PageGeometry& geometry, const std::function<void()>& clearPreview,
                 const PageFit& fit) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("ScaleFactor"));
    trap.run([&] {
        trap.at(20, [&] { printer.setScaleMode(PrinterScaleMode::Millimetres); });
        trap.at(30, [&] {
            DruckRand(printer, geometry.EdgeLeft, geometry.EdgeRight, geometry.EdgeTop,
                      geometry.EdgeBottom);
        });
        trap.at(40, [&] {
            if (clearPreview)
                clearPreview();
        });
        geometry.Columns = 1;
        if (trap.test(50, [&] { return Denom > 0; })) {
            trap.at(60, [&] {
                const SheetItemSize& size = sizes.at(sheetIndex(Denom, Side));
                geometry.RowsPerPage = rowsPerPage(float(printer.scaleHeight()), geometry,
                                                   size.Height, FirstNoteGap, fit.TopMargin);
                if (fit.columns == ColumnLayout::AsManyAsFit)
                    geometry.Columns =
                        columnsOnPage(printer, geometry, fit.turnedBacks, size.Width);
            });
        } else {
            trap.at(80, [&] {
                geometry.RowsPerPage =
                    rowsPerPage(float(printer.scaleHeight()), geometry, sizes.at(0).Height,
                                FirstStripGap, fit.TopMargin);
            });
        }
        trap.at(100, [&] {
            const float printableHeight = float(printer.scaleHeight());
            if (printableHeight == 0)
                raise(ErrNo::DivisionByZero,
                      QStringLiteral("Division by zero: the printer reports no printable height."));
            geometry.TopFraction = float(geometry.EdgeTop) / printableHeight;
        });
    });
}

} // namespace zavolin
