#include "PluginFiles.h"

namespace zavolin {

QString progIdOf(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? fileName + QLatin1Char('.') : fileName.left(dot + 1);
    return stem + PluginClass;
}

QString libraryPath(const QString& appPath, const QString& fileName) {
    return appPath + QLatin1Char('/') + fileName;
}

} // namespace zavolin
