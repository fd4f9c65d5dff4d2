#include "NewFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zavolin {

bool createNewFile(const QString& path, QString* reason, QFileDevice::Permissions permissions) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, permissions)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}

QString createUniqueFile(const QString& folder, const QString& prefix, const QString& suffix,
                         QString* reason, QFileDevice::Permissions permissions) {
    // A handful of tries: a clash of 48 random bits means something else is wrong.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString path =
            folder + QLatin1Char('/') + prefix +
            QString::number(QRandomGenerator::global()->generate64() & 0xffffffffffffULL, 36) +
            suffix;
        if (createNewFile(path, reason, permissions))
            return path;
        if (QFile::exists(path))
            continue;
        return {};
    }
    if (reason)
        *reason = QStringLiteral("no free file name");
    return {};
}

bool moveReplacing(const QString& file, const QString& target, QString* reason) {
    if (std::rename(QFile::encodeName(file).constData(), QFile::encodeName(target).constData()) ==
        0)
        return true;
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

} // namespace zavolin
