#include "ClassRegistry.h"

#include "platform/base/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <zavolin/plugin.h>

namespace zavolin {

QString classRegistryPath() {
    char* path = zv_registry_path();
    const QString result = path ? QFile::decodeName(path) : QString();
    zv_free(path);
    return result;
}

QString classRegistryUnwritable() {
    const QString path = classRegistryPath();
    if (path.isEmpty())
        return QStringLiteral("no home folder is known for the class registry");
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder))
        return folder + QStringLiteral(": the folder cannot be made");
    if (file.exists() && !file.isFile())
        return path + QStringLiteral(": it is not a regular file");
    // Permissions alone do not tell (a read-only file system, or root): a file is made.
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    if (!probe.open())
        return folder + QStringLiteral(": ") + probe.errorString();
    return {};
}

void useOwnClassRegistry(const QString& file) {
    qputenv("ZAVOLIN_CLASS_REGISTRY", QFile::encodeName(QFileInfo(file).absoluteFilePath()));
}

RegisteredClass registeredClass(const QString& progId) {
    char* path = nullptr;
    char* name = nullptr;
    const int32_t status = zv_lookup_class(progId.toUtf8().constData(), &path, &name);
    RegisteredClass found;
    if (path)
        found.library = QFile::decodeName(path);
    if (name)
        found.className = QString::fromUtf8(name);
    zv_free(path);
    zv_free(name);
    if (status == ZV_OK || status == ZV_E_NOT_REGISTERED)
        return found;
    raise(ErrNo::CantCreateObject,
          QStringLiteral("Cannot create an object of class \"%1\": the class registry %2 cannot "
                         "be read.")
              .arg(progId, classRegistryPath()));
}

QString registeredLibrary(const QString& progId) {
    return registeredClass(progId).library;
}

} // namespace zavolin
