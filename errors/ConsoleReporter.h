#pragma once

#include "ErrorReporter.h"

namespace zavolin {

// Reports a failure where no one can answer (no window, or a headless command): one line on
// standard error with number, description, module, procedure and line, and the answer "end".
class ConsoleReporter : public ErrorReporter {
public:
    // prefix starts the line, e.g. the command's name.
    explicit ConsoleReporter(QString prefix = {});
    qint16 OnError(const QString& aktModul, const QString& aktProc) override;

private:
    QString m_prefix;
};

} // namespace zavolin
