#pragma once

#include <QString>

namespace zavolin {

// The user's private temporary directory, ending in a separator. The system's temporary
// directory is shared by all users, who could plant files or links under names we use, so:
// runtimeDir ($XDG_RUNTIME_DIR) when it is a real directory owned by this user and closed to
// others; else "zavolin-<uid>" under systemTemp, created with mode 0700, or, when it exists,
// accepted only as a real directory (not a link) owned by this user and closed to others;
// else a directory of a fresh unguessable name under systemTemp ("zavolin-XXXXXX", mkdtemp),
// the same one for the rest of the process and removed at its end. Raises
// PathFileAccessError only when not even that can be made.
QString privateTempDirectory(const QString& runtimeDir, const QString& systemTemp);

// The same for this process: $XDG_RUNTIME_DIR and QDir::tempPath().
QString privateTempDirectory();

// Stand-in for GetTempPathA: when the private temporary directory (with its separator) is
// shorter than size, puts it and a NUL at the start of buffer (enlarged to size characters if
// shorter) and returns its length; otherwise leaves buffer alone and returns the size needed,
// NUL included. Raises PathFileAccessError as privateTempDirectory().
qint32 GetTempPathA(qint32 size, QString& buffer);

} // namespace zavolin
