#include "OsVersion.h"

#include <QFile>
#include <QRegularExpression>
#include <sys/utsname.h>

namespace zavolin {
namespace {

constexpr int ServicePackSize = 128;

QString prettyName(const QByteArray& osRelease) {
    for (const QByteArray& raw : osRelease.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith("PRETTY_NAME="))
            continue;
        QByteArray value = line.mid(int(qstrlen("PRETTY_NAME=")));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return QString::fromUtf8(value);
    }
    return {};
}

class LinuxOsVersion : public OsVersionSource {
public:
    OsVersionInfo read() override {
        utsname name{};
        const QString release =
            uname(&name) == 0 ? QString::fromLocal8Bit(name.release) : QString();
        QFile file(QStringLiteral("/etc/os-release"));
        QByteArray osRelease;
        if (file.open(QIODevice::ReadOnly))
            osRelease = file.readAll();
        return linuxVersion(release, osRelease);
    }
};

} // namespace

OsVersionInfo linuxVersion(const QString& kernelRelease, const QByteArray& osRelease) {
    OsVersionInfo info;
    info.platform = QStringLiteral("Linux");
    static const QRegularExpression version(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
    const auto match = version.match(kernelRelease);
    if (match.hasMatch()) {
        info.major = match.captured(1).toUInt();
        info.minor = match.captured(2).toUInt();
        info.build = match.captured(3).toUInt();
    }
    // Keep at least one NUL so the field always holds a terminated text.
    info.servicePack = prettyName(osRelease).toLocal8Bit().left(ServicePackSize - 1);
    info.servicePack.append(QByteArray(ServicePackSize - info.servicePack.size(), '\0'));
    return info;
}

OsVersionSource& OsVersionSource::real() {
    static LinuxOsVersion source;
    return source;
}

} // namespace zavolin
