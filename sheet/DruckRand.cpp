#include "DruckRand.h"

#include "errors/Trap.h"
#include "platform/base/Units.h"
#include "platform/compat/Conversions.h"

#include <cmath>

namespace zavolin {
namespace {

// A device offset in whole millimetres at the device's own resolution.
qint16 offsetMillimetres(int deviceUnits, double unitsPerMillimetre) {
    if (unitsPerMillimetre == 0)
        raise(ErrNo::DivisionByZero,
              QStringLiteral("Division by zero: the printer reports no resolution."));
    return toInt16(deviceUnits / unitsPerMillimetre);
}

// What the paper leaves beside the printable area after the offset, rounded down, plus one.
qint16 farEdge(double paper, float printable, qint16 offset) {
    return toInt16(std::floor(paper - double(printable) - offset) + 1);
}

} // namespace

void DruckRand(Printer& printer, qint16& EdgeLeft, qint16& EdgeRight, qint16& EdgeTop,
               qint16& EdgeBottom) {
    Trap trap(QStringLiteral("Drucker"), QStringLiteral("DruckRand"));
    PrinterScaleMode oldMode = PrinterScaleMode::Twips;
    double paperHeight = 0;
    float printableHeight = 0;
    double paperWidth = 0;
    float printableWidth = 0;
    trap.run([&] {
        trap.at(20, [&] { oldMode = printer.scaleMode(); });
        trap.at(30, [&] { printer.setScaleMode(PrinterScaleMode::Millimetres); });
        trap.at(40, [&] { paperHeight = printer.heightTwips() / TwipsPerMillimetre; });
        trap.at(50, [&] { printableHeight = float(printer.scaleHeight()); });
        trap.at(60, [&] { paperWidth = printer.widthTwips() / TwipsPerMillimetre; });
        trap.at(70, [&] { printableWidth = float(printer.scaleWidth()); });
        // The device's own resolution, not a fixed one: a fixed divisor puts the edges of a
        // 1200 dpi printer four times too far in.
        trap.at(80, [&] {
            EdgeLeft =
                offsetMillimetres(printer.physicalOffsetX(), printer.deviceUnitsPerMillimetre());
        });
        trap.at(90, [&] { EdgeRight = farEdge(paperWidth, printableWidth, EdgeLeft); });
        trap.at(100, [&] { EdgeLeft = add16(EdgeLeft, 1); });
        trap.at(110, [&] {
            EdgeTop =
                offsetMillimetres(printer.physicalOffsetY(), printer.deviceUnitsPerMillimetre());
        });
        trap.at(120, [&] { EdgeBottom = farEdge(paperHeight, printableHeight, EdgeTop); });
        trap.at(130, [&] { EdgeTop = add16(EdgeTop, 1); });
        trap.at(140, [&] { printer.setScaleMode(oldMode); });
    });
}

} // namespace zavolin
