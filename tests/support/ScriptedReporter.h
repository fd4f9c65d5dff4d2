#pragma once

#include "errors/ErrorReporter.h"
#include "platform/base/CurrentError.h"

#include <QList>
#include <QString>

namespace zavolin::test {

// One report as the trap made it.
struct Report {
    QString module;
    QString procedure;
    qint32 number = 0;
    qint32 line = 0;
    QString description;
};

// Answers each report with the next scripted choice (the last one once the script runs out)
// and records what it was asked.
class ScriptedReporter : public ErrorReporter {
public:
    explicit ScriptedReporter(QList<qint16> answers = {Ignore})
        : m_answers(std::move(answers)) {}

    qint16 OnError(const QString& aktModul, const QString& aktProc) override {
        const CurrentError& e = currentError();
        reports.append({aktModul, aktProc, e.number, e.line, e.description});
        const qsizetype i = qMin(reports.size() - 1, m_answers.size() - 1);
        return m_answers.value(i, Ignore);
    }

    QList<Report> reports;

private:
    QList<qint16> m_answers;
};

// Records the end of the program instead of stopping it.
class RecordingEnd : public ProgramEnd {
public:
    void end() override { ++calls; }
    int calls = 0;
};

} // namespace zavolin::test
