#pragma once

#include <QByteArray>
#include <QString>

namespace zavolin {

// The error log and the saved protocol are named after the program and lie beside it. Where the
// program's directory cannot be written (an installed program), they go to the user's data
// directory instead.

// The program's directory, a separator unless it already ends with one, the program file's
// name without extension and the extension (".EPT", ".ERR").
QString programFilePath(const QString& extension);
// The same name in the per-user data directory ("Zavolin" below the generic data location),
// which is created when missing.
QString userDataFilePath(const QString& extension);
// programFilePath() when the program's directory is a writable directory, else
// userDataFilePath().
QString protocolFilePath(const QString& extension);

// Appends to the log beside the program, or in the user's data directory when that fails.
// Returns the path written, or an empty string when the log could not be written anywhere.
QString appendToLog(const QByteArray& bytes);

} // namespace zavolin
