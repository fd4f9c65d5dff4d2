#pragma once

#include <QFileDevice>
#include <QString>

namespace zavolin {

// Readable and writable by everyone the umask allows, as new files usually are.
inline constexpr QFileDevice::Permissions UsualFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
inline constexpr QFileDevice::Permissions PrivateFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Creates path as a new empty file with the permissions (less the umask), never opening one
// that exists. False when something is there already or the file cannot be made; *reason
// then says why.
bool createNewFile(const QString& path, QString* reason = nullptr,
                   QFileDevice::Permissions permissions = UsualFilePermissions);

// Creates a new empty file "<folder>/<prefix><random><suffix>" and returns its path; empty
// when the folder cannot take one, with *reason saying why.
QString createUniqueFile(const QString& folder, const QString& prefix, const QString& suffix,
                         QString* reason = nullptr,
                         QFileDevice::Permissions permissions = UsualFilePermissions);

// Moves file to target in one step, replacing target (both in the same folder or file system).
bool moveReplacing(const QString& file, const QString& target, QString* reason = nullptr);

} // namespace zavolin
