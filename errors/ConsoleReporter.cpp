#include "ConsoleReporter.h"

#include "TerminalText.h"
#include "platform/base/CurrentError.h"

#include <cstdio>

namespace zavolin {

ConsoleReporter::ConsoleReporter(QString prefix, ErrorChoice answer)
    : m_prefix(std::move(prefix))
    , m_answer(answer) {}

qint16 ConsoleReporter::OnError(const QString& aktModul, const QString& aktProc) {
    const CurrentError& e = currentError();
    const QString line = QStringLiteral("%1Error %2 (%3) in %4.%5, line %6")
                             .arg(m_prefix.isEmpty() ? QString() : m_prefix + QStringLiteral(": "))
                             .arg(e.number)
                             .arg(e.description, aktModul, aktProc)
                             .arg(e.line);
    std::fputs((terminalText(line) + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    return m_answer;
}

} // namespace zavolin
