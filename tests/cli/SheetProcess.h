#pragma once

#include "support/ExpectedSheet.h"
#include "support/ProgramRun.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zavolin::test {

// How one run of zavolin-sheet ended.
using SheetRun = ProgramRun;

// What the command's environment differs in from the test's (whose HOME and XDG folders are
// already a private temporary directory).
struct SheetEnvironment {
    // The queue PRINTER names; without one neither PRINTER nor LPDEST is set, so the system's
    // default printer is used.
    std::optional<QString> printer;
    QString cupsUser; // CUPS_USER: the user the print job is sent as
    QString tmpDir;   // TMPDIR, where print jobs are written before CUPS takes them
};

// The command's name of a denomination: "coins", "1", ..., "1000".
QString denominationName(int denom);
// --denomination, --side, --left-margin and --top-margin for the choice.
QStringList choiceArguments(const SheetChoice& choice);

// Runs the real command with the arguments, as a user would.
SheetRun runSheet(const QStringList& arguments, const SheetEnvironment& environment = {});

// A page printed through CUPS with --print and written by cups-pdf.
struct PrintedSheet {
    QString jobId;   // "zavolin-pdf-12"
    QString pdf;     // cups-pdf's file of the job
    QString problem; // why there is none
};

// Runs zavolin-sheet --print with the arguments on the queue (empty: the system's default
// printer) and waits for the job's PDF. The job is sent as a user of its own, so it is told
// apart from every other job on the scheduler, also those of tests running beside this one.
PrintedSheet printSheet(const QStringList& arguments, const QString& queue);

// The files and folders in the folder, hidden ones too.
QStringList filesIn(const QString& folder);

// Holds the run to how bad input must end: status 2, exactly one line on standard error that
// names the command and contains `says`, nothing on standard output. `what` names the case.
void expectOneLineFailure(const SheetRun& run, const QString& says, const QString& what);

// The scheduler's default destination (lpstat -d), empty when there is none.
QString systemDefaultPrinter();

} // namespace zavolin::test
