#pragma once

#include "platform/base/Replaceable.h"

#include <QByteArray>
#include <QString>

namespace zavolin {

// The operating system's version record: platform name, version, build number and a
// 128-byte service-pack field that holds a NUL-terminated text.
struct OsVersionInfo {
    QString platform; // empty when the platform has no name
    quint32 major = 0;
    quint32 minor = 0;
    quint32 build = 0;
    QByteArray servicePack; // 128 bytes
};

class OsVersionSource : public Replaceable<OsVersionSource> {
public:
    virtual ~OsVersionSource() = default;
    virtual OsVersionInfo read() = 0;
    static OsVersionSource& real();
};

// The running Linux system: "Linux", the kernel's major.minor, its patch level as the
// build and the distribution's PRETTY_NAME as the service-pack text.
OsVersionInfo linuxVersion(const QString& kernelRelease, const QByteArray& osRelease);

} // namespace zavolin
