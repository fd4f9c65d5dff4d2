#include "ProtocolFiles.h"

#include "platform/base/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zavolin {
namespace {

QString joined(const QString& directory, const QString& extension) {
    QString path = directory;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + programInfo().exeName + extension;
}

// Appends the bytes to the file, creating it when missing; false when it could not be opened
// or written in full, and the log is tried elsewhere.
bool appendToFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append) &&
           file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

QString programFilePath(const QString& extension) {
    return joined(programInfo().directory, extension);
}

QString userDataFilePath(const QString& extension) {
    const QString directory =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/Zavolin");
    QDir().mkpath(directory);
    return joined(directory, extension);
}

QString protocolFilePath(const QString& extension) {
    const QFileInfo directory(programInfo().directory);
    if (directory.isDir() && directory.isWritable())
        return programFilePath(extension);
    return userDataFilePath(extension);
}

QString appendToLog(const QByteArray& bytes) {
    const QString beside = programFilePath(QStringLiteral(".EPT"));
    if (appendToFile(beside, bytes))
        return beside;
    const QString user = userDataFilePath(QStringLiteral(".EPT"));
    if (appendToFile(user, bytes))
        return user;
    return {};
}

} // namespace zavolin
