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

// Each of these throws a RuntimeError (PathFileAccessError) whose description is the bare
// reason ("No space left on device"), for the caller to put in the words of its action
// (see rephrased() in RuntimeError.h).

// Creates path as a new empty file with the permissions (less the umask), never opening one
// that exists; throws when something is there already or the file cannot be made.
void createNewFile(const QString& path,
                   QFileDevice::Permissions permissions = UsualFilePermissions);

// Creates a new empty file "<folder>/<prefix><random><suffix>" and returns its path.
QString createUniqueFile(const QString& folder, const QString& prefix, const QString& suffix,
                         QFileDevice::Permissions permissions = UsualFilePermissions);

// Moves file to target in one step, replacing target (both in the same folder or file system).
void moveReplacing(const QString& file, const QString& target);

// Why no file can be put at target: something other than a file or a link is there (a folder,
// a device, a pipe, a socket). Empty when target is missing, a file or a link; a link is never
// followed, it is replaced itself.
QString notReplaceableReason(const QString& target);

// Creates a new empty file beside target, to be written and then put in its place with
// commitReplacement(). It has target's permissions when target is a file, else the usual ones
// less the umask. Throws when target cannot be replaced or the folder takes no file.
QString createReplacementFile(const QString& target);

// Puts a file from createReplacementFile(), once written, in target's place: flushes it to the
// disk, then renames it over target. On failure the file is removed and target stays as it was.
void commitReplacement(const QString& file, const QString& target);

// Creates or replaces the file at path with the bytes through the two above, so a write error
// (a full disk) leaves neither a partial file nor a temporary one, and an existing file as it was.
void replaceFile(const QString& path, const QByteArray& bytes);

// Why the file at path came out short when its writer reports no errors of its own (Qt's PDF
// engine): the file system's reason when it is full or read-only, else that it was not
// written completely.
QString shortWriteReason(const QString& path);

} // namespace zavolin
