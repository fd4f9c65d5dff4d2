#pragma once

#include "platform/files/FileList.h"

#include <QString>

namespace zavolin {

// The names that bind a picture plug-in to the program.
inline const QString PluginPattern = QStringLiteral("Zavolin*.dll");
inline const QString PluginClass = QStringLiteral("clsPicture");
inline const QString PluginTypeTag = QStringLiteral("ZAVOLIN");

// The ProgID of a plug-in library: its file name up to and including the first ".", then
// "clsPicture" ("ZavolinEuro.dll" and "ZavolinEuro.v2.dll" both give
// "ZavolinEuro.clsPicture"). A name without a dot is taken whole, with a dot added.
QString progIdOf(const QString& fileName);

// The full path of a library in the program's folder: the folder, a separator, the name. The
// separator is added even when the folder ends with one.
QString libraryPath(const QString& appPath, const QString& fileName);

// The user's own plug-in folder: $XDG_DATA_HOME/Zavolin/plugins (~/.local/share without it).
QString userPluginFolder();

// Whether a library of the user's folder would take the class of one in the program's folder
// (lstFiles): the same ProgID, whatever the case.
bool shadowedByProgramFolder(const QString& fileName, const FileList& lstFiles);

} // namespace zavolin
