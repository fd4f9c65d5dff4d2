#include "SheetProcess.h"

#include "support/PrintedPdf.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <iostream>

namespace zavolin::test {
namespace {

// The job sent by the user, from the scheduler's list of every job.
QString jobOf(const QString& user) {
    const SheetRun r = runProgram(
        QStringLiteral("lpstat"),
        {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")}, plainEnvironment());
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& line : r.output.split(QLatin1Char('\n'))) {
        const QStringList columns = line.split(blanks, Qt::SkipEmptyParts);
        if (columns.size() >= 2 && columns[1] == user)
            return columns[0];
    }
    return {};
}

} // namespace

QString denominationName(int denom) {
    static const char* names[] = {"coins", "1",   "2",   "5",   "10",  "20",
                                  "50",    "100", "200", "500", "1000"};
    return QString::fromLatin1(names[denom]);
}

QStringList choiceArguments(const SheetChoice& c) {
    QStringList arguments = {
        QStringLiteral("--denomination"), denominationName(c.denom),
        QStringLiteral("--side"),         c.side ? QStringLiteral("back") : QStringLiteral("front"),
        QStringLiteral("--left-margin"),  QString::number(c.leftMargin),
        QStringLiteral("--top-margin"),   QString::number(c.topMargin)};
    if (c.asManyColumnsAsFit)
        arguments << QStringLiteral("--columns") << QStringLiteral("auto");
    return arguments;
}

SheetRun runSheet(const QStringList& arguments, const SheetEnvironment& e) {
    // The test process's own environment, with its private HOME and XDG folders.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LPDEST"));
    environment.remove(QStringLiteral("PRINTER"));
    environment.remove(QStringLiteral("CUPS_USER"));
    if (e.printer)
        environment.insert(QStringLiteral("PRINTER"), *e.printer);
    if (!e.cupsUser.isEmpty())
        environment.insert(QStringLiteral("CUPS_USER"), e.cupsUser);
    if (!e.tmpDir.isEmpty())
        environment.insert(QStringLiteral("TMPDIR"), e.tmpDir);
    return runProgram(QStringLiteral(ZAVOLIN_SHEET_COMMAND), arguments, environment);
}

PrintedSheet printSheet(const QStringList& arguments, const QString& queue) {
    static int jobsSent = 0;
    SheetEnvironment environment;
    if (!queue.isEmpty())
        environment.printer = queue;
    // The scheduler keeps finished jobs, so a process id alone can match a job of an earlier
    // run with the same id; the second the process first printed tells the runs apart.
    static const qint64 firstSent = QDateTime::currentSecsSinceEpoch();
    environment.cupsUser = QStringLiteral("zavolin-e2e-%1-%2-%3")
                               .arg(QCoreApplication::applicationPid())
                               .arg(firstSent)
                               .arg(++jobsSent);
    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
    QElapsedTimer timer;
    timer.start();
    const SheetRun run = runSheet(QStringList{QStringLiteral("--print")} + arguments, environment);
    PrintedSheet printed;
    if (run.exitCode != 0) {
        printed.problem = QStringLiteral("zavolin-sheet ended with %1: %2")
                              .arg(run.exitCode)
                              .arg(run.errors.trimmed());
        return printed;
    }
    printed.jobId = jobOf(environment.cupsUser);
    if (printed.jobId.isEmpty()) {
        printed.problem =
            QStringLiteral("the scheduler lists no job of %1").arg(environment.cupsUser);
        return printed;
    }
    printed.pdf = waitForJobPdf(printed.jobId, since, std::chrono::seconds(60), &printed.problem);
    std::cout << "[ measure  ] " << qPrintable(printed.jobId) << " ("
              << qPrintable(arguments.join(QLatin1Char(' '))) << "): PDF after " << timer.elapsed()
              << " ms\n";
    return printed;
}

QString systemDefaultPrinter() {
    const SheetRun r =
        runProgram(QStringLiteral("lpstat"), {QStringLiteral("-d")}, plainEnvironment());
    static const QRegularExpression destination(
        QStringLiteral("system default destination: (\\S+)"));
    const QRegularExpressionMatch m = destination.match(r.output);
    return m.hasMatch() ? m.captured(1) : QString();
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

void expectOneLineFailure(const SheetRun& run, const QString& says, const QString& what) {
    constexpr int BadInput = 2;
    EXPECT_EQ(run.exitCode, BadInput) << qPrintable(what) << ": " << qPrintable(run.errors);
    const QStringList lines = run.errorLines();
    ASSERT_EQ(lines.size(), 1) << qPrintable(what) << ": standard error is\n"
                               << qPrintable(run.errors);
    EXPECT_TRUE(run.errors.endsWith(QLatin1Char('\n'))) << qPrintable(what);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("zavolin-sheet: "))) << qPrintable(lines[0]);
    EXPECT_TRUE(lines[0].contains(says, Qt::CaseInsensitive))
        << qPrintable(what) << ": expected \"" << qPrintable(says) << "\" in\n"
        << qPrintable(lines[0]);
    EXPECT_TRUE(run.output.isEmpty()) << qPrintable(what) << ": " << qPrintable(run.output);
}

} // namespace zavolin::test
