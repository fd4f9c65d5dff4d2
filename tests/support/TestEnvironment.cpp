#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <cstdlib>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

QTemporaryDir& home() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zavolin-test-XXXXXX"));
    return dir;
}

void setDir(const char* variable, const QString& path) {
    QDir().mkpath(path);
    qputenv(variable, QFile::encodeName(path));
}

} // namespace

void isolateUserDirectories() {
    const QString root = home().path();
    setDir("HOME", root);
    setDir("XDG_CONFIG_HOME", root + QStringLiteral("/config"));
    setDir("XDG_DATA_HOME", root + QStringLiteral("/data"));
    setDir("XDG_CACHE_HOME", root + QStringLiteral("/cache"));
    setDir("XDG_STATE_HOME", root + QStringLiteral("/state"));
    const QString runtime = root + QStringLiteral("/runtime");
    setDir("XDG_RUNTIME_DIR", runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setDir("XDG_DOCUMENTS_DIR", root + QStringLiteral("/Documents"));
}

QString freshDirectory(const QString& name) {
    const QString path = home().path() + QLatin1Char('/') + name + QLatin1Char('-') +
                         QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDir().mkpath(path);
    return path;
}

QString fileWith(const QByteArray& bytes, const QString& name) {
    const QString path = freshDirectory(QStringLiteral("ini")) + QLatin1Char('/') + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

} // namespace zavolin::test
