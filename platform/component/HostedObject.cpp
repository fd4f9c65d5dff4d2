#include "HostedObject.h"

#include "platform/base/RuntimeError.h"

#include <zavolin/plugin.h>

namespace zavolin {

HostedObject::HostedObject(QString progId, std::shared_ptr<PluginHost> host, quint32 object)
    : m_progId(std::move(progId))
    , m_host(std::move(host))
    , m_object(object) {}

HostedObject::~HostedObject() {
    m_host->release(m_object);
}

ComVariant HostedObject::call(const QString& member, const QList<ComVariant>& arguments) {
    const std::optional<PluginHost::Answer> answer = m_host->invoke(m_object, member, arguments);
    if (!answer)
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("Invalid procedure call: %1 of class \"%2\" failed (%3).")
                  .arg(member, m_progId, m_host->why()));
    if (answer->status != ZV_OK)
        fail(member, answer->status, answer->value.value_or(ComVariant{}));
    if (!answer->value)
        raise(ErrNo::TypeMismatch,
              QStringLiteral("Type mismatch: %1 of class \"%2\" returned a value of unknown kind.")
                  .arg(member, m_progId));
    return *answer->value;
}

void HostedObject::fail(const QString& member, qint32 status, const ComVariant& said) const {
    if (status == ZV_E_NO_MEMBER)
        raise(ErrNo::MemberNotSupported,
              QStringLiteral("Object doesn't support this property or method: class \"%1\" has "
                             "no member %2.")
                  .arg(m_progId, member));
    const QString* reason = std::get_if<QString>(&said);
    const QString because =
        reason && !reason->isEmpty() ? QStringLiteral(" (%1)").arg(*reason) : QString();
    if (status == ZV_E_ARGUMENTS)
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("Invalid procedure call: %1 of class \"%2\" refuses its "
                             "arguments%3.")
                  .arg(member, m_progId, because));
    raise(ErrNo::InvalidProcedureCall,
          QStringLiteral("Invalid procedure call: %1 of class \"%2\" failed%3.")
              .arg(member, m_progId, because));
}

} // namespace zavolin
