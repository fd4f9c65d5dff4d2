#include "PluginFiles.h"

#include <QDir>
#include <QStandardPaths>

namespace zavolin {

QString progIdOf(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? fileName + QLatin1Char('.') : fileName.left(dot + 1);
    return stem + PluginClass;
}

QString libraryPath(const QString& appPath, const QString& fileName) {
    return appPath + QLatin1Char('/') + fileName;
}

QString userPluginFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Zavolin/plugins"));
}

bool shadowedByProgramFolder(const QString& fileName, const FileList& lstFiles) {
    const QString progId = progIdOf(fileName);
    for (const QString& name : lstFiles.names())
        if (progIdOf(name).compare(progId, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace zavolin
