#include "BenchReporter.h"

#include "platform/base/CurrentError.h"

#include <utility>

namespace zavolin::bench {

qint16 BenchReporter::OnError(const QString& aktModul, const QString& aktProc) {
    if (m_failure.isEmpty()) {
        const CurrentError& e = currentError();
        m_failure = QStringLiteral("error %1 (%2) in %3.%4, line %5")
                        .arg(e.number)
                        .arg(e.description, aktModul, aktProc)
                        .arg(e.line);
    }
    return Cancel;
}

QString BenchReporter::takeFailure() {
    return std::exchange(m_failure, QString());
}

BenchReporter& benchReporter() {
    static BenchReporter reporter;
    return reporter;
}

bool failed(benchmark::State& state, const QString& error) {
    QString failure = benchReporter().takeFailure();
    if (failure.isEmpty())
        failure = error;
    if (failure.isEmpty())
        return false;
    state.SkipWithError(failure.toLocal8Bit().constData());
    return true;
}

} // namespace zavolin::bench
