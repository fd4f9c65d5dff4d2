#include "DefaultPrinter.h"

#include "platform/base/RuntimeError.h"
#include "platform/print/CupsQueue.h"
#include "platform/print/CupsQueuePrinter.h"
#include "platform/print/PdfFallbackPrinter.h"
#include "platform/print/PrinterProblems.h"
#include "platform/print/UnavailablePrinter.h"

namespace zavolin {

PrinterChoice chooseDefaultPrinter() {
    // Asked of the scheduler directly, one question at a time: Qt's printer list would load its
    // print plug-in and ask about every queue, which costs the start tens of milliseconds.
    PrinterChoice choice;
    for (const char* variable : {"LPDEST", "PRINTER"}) {
        const QString named = qEnvironmentVariable(variable).trimmed();
        if (named.isEmpty())
            continue;
        if (cupsQueueExists(named))
            choice.queue = named;
        else
            choice.missingReason = printerNamedMissingText(named, QString::fromLatin1(variable));
        return choice;
    }
    choice.queue = cupsDefaultQueue();
    // Without a default, the scheduler's first queue.
    if (choice.queue.isEmpty())
        choice.queue = cupsQueueNames().value(0);
    return choice;
}

std::unique_ptr<Printer> openDefaultPrinter() {
    const PrinterChoice choice = chooseDefaultPrinter();
    if (!choice.missingReason.isEmpty())
        return std::make_unique<UnavailablePrinter>(choice.missingReason);
    if (choice.queue.isEmpty())
        return openPdfFallbackPrinter();
    try {
        return openCupsQueuePrinter(choice.queue);
    } catch (const RuntimeError& error) {
        return std::make_unique<UnavailablePrinter>(error.description());
    }
}

namespace {

// The program's printer: the queue chosen and, once needed, the printer on it.
struct ProgramPrinter {
    QString queue;
    std::unique_ptr<Printer> printer;
};

ProgramPrinter& programPrinter() {
    static ProgramPrinter program;
    return program;
}

std::unique_ptr<Printer> openPrinterOn(const QString& queue) {
    if (queue.isEmpty())
        return openDefaultPrinter();
    try {
        return openCupsQueuePrinter(queue);
    } catch (const RuntimeError& error) {
        return std::make_unique<UnavailablePrinter>(error.description());
    }
}

} // namespace

void chooseProgramPrinter(const QString& queue) {
    ProgramPrinter& program = programPrinter();
    if (program.queue == queue)
        return;
    program.queue = queue;
    program.printer.reset();
}

QString programPrinterQueue() {
    return programPrinter().queue;
}

Printer& Printer::real() {
    // Opened when first needed, like the printer a program starts with, and again after
    // another queue is chosen.
    ProgramPrinter& program = programPrinter();
    if (!program.printer)
        program.printer = openPrinterOn(program.queue);
    return *program.printer;
}

} // namespace zavolin
