#pragma once

#include "ComponentObject.h"

namespace zavolin {

// Stands for an object of a library built for another interface version. Its library is
// never called; every member call fails with MemberNotSupported, so a plug-in test that asks
// it anything passes over it quietly, as it passes over a library of the wrong type.
class RefusedObject : public ComponentObject {
public:
    RefusedObject(QString progId, QString library, int version);

    ComVariant call(const QString& member, const QList<ComVariant>& arguments = {}) override;

private:
    QString m_progId;
    QString m_library;
    int m_version;
};

} // namespace zavolin
