#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace zavolin::test {

// How one run of an outside program ended.
struct ProgramRun {
    int exitCode = -1; // -1 when it did not start, did not end or crashed
    QString output;
    QString errors;

    // Standard error split into lines (a last line break ends the last line).
    QStringList errorLines() const;
};

// This process's environment with LC_ALL=C, so that tools answer in words the tests can read.
QProcessEnvironment plainEnvironment();

// Runs the program to its end; one that does not end within the limit is killed.
ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment = plainEnvironment(),
                      int timeoutMs = 120000);

} // namespace zavolin::test
