#pragma once

#include <QByteArray>
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

// Why no file can be put at target: something other than a file or a link is there (a folder,
// a device, a pipe, a socket). Empty when target is missing, a file or a link; a link is never
// followed, it is replaced itself.
QString notReplaceableReason(const QString& target);

// Creates a new empty file beside target, to be written and then put in its place with
// commitReplacement(). It has target's permissions when target is a file, else the usual ones
// less the umask. Empty with *reason when target cannot be replaced or the folder takes no file.
QString createReplacementFile(const QString& target, QString* reason = nullptr);

// Puts a file from createReplacementFile(), once written, in target's place: flushes it to the
// disk, then renames it over target. On failure the file is removed, target stays as it was and
// *reason says why.
bool commitReplacement(const QString& file, const QString& target, QString* reason = nullptr);

// Creates or replaces the file at path with the bytes through the two above, so a write error
// (a full disk) leaves neither a partial file nor a temporary one, and an existing file as it was.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// Why the file at path came out short when its writer reports no errors of its own (Qt's PDF
// engine): the file system's reason when it is full or read-only, else that it was not
// written completely.
QString shortWriteReason(const QString& path);

} // namespace zavolin
