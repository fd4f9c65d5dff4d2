#include "PrinterProblems.h"

#include <QCoreApplication>

namespace zavolin {
namespace {

// The translations' context for these texts.
struct PrinterProblems {
    Q_DECLARE_TR_FUNCTIONS(PrinterProblems)
};

// A reason worth adding to a sentence that already says the state: not just its name again,
// which is the message cupsreject and cupsdisable leave when given no reason.
QString inParentheses(const QString& reason, const QString& state) {
    if (reason.isEmpty() || reason.compare(state, Qt::CaseInsensitive) == 0)
        return {};
    return QStringLiteral(" (%1)").arg(reason);
}

} // namespace

QString printerMissingText(const QString& queue) {
    return PrinterProblems::tr(
               "Printer error: there is no printer \"%1\". Choose another printer, or set this "
               "one up again in the system's printer settings.")
        .arg(queue);
}

QString printerNamedMissingText(const QString& queue, const QString& variable) {
    return PrinterProblems::tr("Printer error: there is no printer \"%1\" (named by %2). Correct "
                               "or remove %2 where it is set, or choose another printer.")
        .arg(queue, variable);
}

QString printerRejectingText(const QString& queue, const QString& reason) {
    return PrinterProblems::tr(
               "Printer error: the printer \"%1\" refused the print job: it is not accepting "
               "jobs%2. Let it accept jobs in the system's printer settings, or choose another "
               "printer, then print again.")
        .arg(queue, inParentheses(reason, QStringLiteral("Rejecting Jobs")));
}

QString printerPausedText(const QString& queue, const QString& reason) {
    return PrinterProblems::tr(
               "Printer error: the printer \"%1\" is paused%2; nothing was sent to it. Resume it "
               "in the system's printer settings, or choose another printer, then print again.")
        .arg(queue, inParentheses(reason, QStringLiteral("Paused")));
}

QString printerRefusedText(const QString& queue, const QString& reason) {
    return PrinterProblems::tr(
               "Printer error: the printer \"%1\" refused the print job (%2). Look at the "
               "printer's state in the system's printer settings, or choose another printer, then "
               "print again.")
        .arg(queue, reason);
}

QString schedulerUnreachableText(const QString& queue, const QString& server,
                                 const QString& reason) {
    return PrinterProblems::tr(
               "Printer error: the printer \"%1\" cannot be reached: the print scheduler at %2 "
               "does not answer (%3). Start the printing service (CUPS) or ask whoever looks after "
               "this computer, then print again.")
        .arg(queue, server, reason);
}

} // namespace zavolin
