#include "PrintTestSupport.h"

namespace zavolin::test {

ScopedEnvironment::ScopedEnvironment(const char* name, const QByteArray& value)
    : m_name(name)
    , m_had(qEnvironmentVariableIsSet(name))
    , m_old(qgetenv(name)) {
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

void drawMarks(Printer& printer) {
    printer.setScaleMode(PrinterScaleMode::Millimetres);
    printer.setForeColor(QColor(192, 192, 192));
    for (const Mark& m : HorizontalMarks)
        printer.line(m.from, m.at, m.to, m.at);
    for (const Mark& m : VerticalMarks)
        printer.line(m.at, m.from, m.at, m.to);
}

} // namespace zavolin::test
