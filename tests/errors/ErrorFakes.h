#pragma once

#include "platform/base/ProgramInfo.h"
#include "platform/desktop/OsVersion.h"

namespace zavolin::test {

// The program as version 2.22.272, living in `directory`.
inline ProgramInfo programIn(const QString& directory,
                             const QString& exeName = QStringLiteral("Zavolin")) {
    ProgramInfo info;
    info.title = QStringLiteral("Zavolin");
    info.major = 2;
    info.minor = 22;
    info.revision = 272;
    info.exeName = exeName;
    info.directory = directory;
    return info;
}

// Windows XP as the classic version record reports it.
inline OsVersionInfo windowsXp() {
    OsVersionInfo info;
    info.platform = QStringLiteral("Windows NT");
    info.major = 5;
    info.minor = 1;
    info.build = 0x05010000u | 2600u;
    info.servicePack = QByteArray("Service Pack 2") + QByteArray(128 - 14, '\0');
    return info;
}

class FixedOsVersion : public OsVersionSource {
public:
    OsVersionInfo read() override { return info; }
    OsVersionInfo info = windowsXp();
};

} // namespace zavolin::test
