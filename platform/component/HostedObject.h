#pragma once

#include "ComponentObject.h"
#include "PluginHost.h"

namespace zavolin {

// An object made by a library's factory in the library's host: each call crosses to the host
// and its value comes back; releasing it releases the object there.
class HostedObject : public ComponentObject {
public:
    HostedObject(QString progId, std::shared_ptr<PluginHost> host, quint32 object);
    ~HostedObject() override;
    HostedObject(const HostedObject&) = delete;
    HostedObject& operator=(const HostedObject&) = delete;

    ComVariant call(const QString& member, const QList<ComVariant>& arguments = {}) override;

private:
    [[noreturn]] void fail(const QString& member, qint32 status, const ComVariant& said) const;

    QString m_progId;
    std::shared_ptr<PluginHost> m_host;
    quint32 m_object;
};

} // namespace zavolin
