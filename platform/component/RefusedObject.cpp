#include "RefusedObject.h"

#include "platform/base/RuntimeError.h"

#include <zavolin/plugin.h>

namespace zavolin {

RefusedObject::RefusedObject(QString progId, QString library, int version)
    : m_progId(std::move(progId))
    , m_library(std::move(library))
    , m_version(version) {}

ComVariant RefusedObject::call(const QString& member, const QList<ComVariant>&) {
    raise(ErrNo::MemberNotSupported,
          QStringLiteral("Object doesn't support this property or method: %1 of class \"%2\" "
                         "cannot be called, because its library %3 is built for plug-in "
                         "interface version %4 and this program speaks version %5.")
              .arg(member, m_progId, m_library)
              .arg(m_version)
              .arg(ZV_INTERFACE_VERSION));
}

} // namespace zavolin
