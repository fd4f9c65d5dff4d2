#pragma once

#include "platform/print/Printer.h"

namespace zavolin {

// Measures the printer's unprintable edges in whole millimetres, each plus one: left and top
// from the physical offsets, right and bottom as what the paper leaves beside the printable
// area. Leaves the printer's drawing unit as it found it.
void DruckRand(Printer& printer, qint16& EdgeLeft, qint16& EdgeRight, qint16& EdgeTop,
               qint16& EdgeBottom);

} // namespace zavolin
