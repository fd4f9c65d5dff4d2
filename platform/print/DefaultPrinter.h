#pragma once

#include "platform/print/Printer.h"

#include <QString>
#include <memory>

namespace zavolin {

// How the default printer is found.
struct PrinterChoice {
    QString queue;         // the CUPS queue to print on; empty for the built-in PDF printer
    QString missingReason; // set when a named queue does not exist
};

// The queue named by LPDEST or PRINTER (the CUPS convention, in that order) when set, else the
// system's default printer, else its first printer; none when the system has no printer.
PrinterChoice chooseDefaultPrinter();

// A new printer as Printer::real() makes it: on the chosen queue, the built-in PDF printer when
// there is none, or one that raises PrinterError when the named queue does not exist.
std::unique_ptr<Printer> openDefaultPrinter();

// Makes Printer::real() a printer on the queue from now on; empty for the default printer as
// openDefaultPrinter() finds it. The printer opens when it is next needed; on a queue that does
// not exist it raises PrinterError naming the queue on every use. Choosing another queue ends
// the printer Printer::real() returned before: nothing may keep it across this call. Choosing
// the queue already chosen keeps the printer.
void chooseProgramPrinter(const QString& queue);

// The queue chooseProgramPrinter() last chose; empty for the default printer.
QString programPrinterQueue();

} // namespace zavolin
