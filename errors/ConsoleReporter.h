#pragma once

#include "ErrorReporter.h"

namespace zavolin {

// Reports a failure where no one can answer (no window, or a headless command): one line on
// standard error with number, description, module, procedure and line, and an answer given
// beforehand: "end" unless told otherwise.
class ConsoleReporter : public ErrorReporter {
public:
    // prefix starts the line, e.g. the command's name.
    explicit ConsoleReporter(QString prefix = {}, ErrorChoice answer = End);
    qint16 OnError(const QString& aktModul, const QString& aktProc) override;

private:
    QString m_prefix;
    ErrorChoice m_answer;
};

} // namespace zavolin
