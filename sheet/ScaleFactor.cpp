#include "ScaleFactor.h"

#include "DruckRand.h"
#include "errors/Trap.h"

namespace zavolin {

void ScaleFactor(Printer& printer, const SizeTable& sizes, qint16 Denom, qint16 Side,
                 PageGeometry& geometry, const std::function<void()>& clearPreview) {
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
        if (trap.test(50, [&] { return Denom > 0; })) {
            trap.at(60, [&] {
                geometry.RowsPerPage =
                    rowsPerPage(float(printer.scaleHeight()), geometry,
                                sizes.at(sheetIndex(Denom, Side)).Height, FirstNoteGap);
            });
        } else {
            trap.at(80, [&] {
                geometry.RowsPerPage = rowsPerPage(float(printer.scaleHeight()), geometry,
                                                   sizes.at(0).Height, FirstStripGap);
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
