#pragma once

#include "errors/ErrorReporter.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace zavolin::bench {

// Answers every failure the error trap reports with "cancel" and keeps its description, so a
// benchmark that met one can stop with that message instead of timing a half-drawn page.
class BenchReporter : public ErrorReporter {
public:
    qint16 OnError(const QString& aktModul, const QString& aktProc) override;

    // The first failure since the last call, empty when there was none.
    QString takeFailure();

private:
    QString m_failure;
};

BenchReporter& benchReporter();

// Stops the benchmark when the error trap reported a failure, or with `error` when it is not
// empty (a failure raised to the benchmark itself); true when it did.
bool failed(benchmark::State& state, const QString& error = QString());

} // namespace zavolin::bench
