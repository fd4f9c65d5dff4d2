#include "RuntimeError.h"

namespace zavolin {

RuntimeError::RuntimeError(qint32 number, QString description)
    : m_number(number)
    , m_description(std::move(description))
    , m_what(QStringLiteral("%1 (%2)").arg(m_number).arg(m_description).toStdString()) {}

void raise(qint32 number, const QString& description) {
    throw RuntimeError(number, description);
}

} // namespace zavolin
