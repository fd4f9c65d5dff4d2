#include "Trap.h"

#include "platform/base/CurrentError.h"

namespace zavolin {

Trap::Trap(QString module, QString procedure)
    : m_module(std::move(module))
    , m_procedure(std::move(procedure)) {}

ErrorChoice Trap::handle(qint32 label, const RuntimeError& error) {
    CurrentError& current = currentError();
    current.number = error.number();
    current.description = error.description();
    current.line = label;
    const Ignored failure{label, error.number(), error.description()};
    if (m_ignored.contains(failure))
        return Ignore;
    const qint16 choice = ErrorReporter::current().OnError(m_module, m_procedure);
    switch (choice) {
    case Retry:
        return Retry;
    case Ignore:
        m_ignored.append(failure);
        return Ignore;
    case End:
        ProgramEnd::current().end();
        break;
    default:
        break;
    }
    throw Leave{this};
}

RuntimeError Trap::internalError(const std::exception& error) {
    return RuntimeError(
        ErrNo::InternalError,
        QStringLiteral("Internal error: %1").arg(QString::fromLocal8Bit(error.what())));
}

} // namespace zavolin
