#pragma once

#include "PluginEntry.h"
#include "platform/FileList.h"

#include <QString>

namespace zavolin {

// Finds the picture plug-ins beside the program, registers each, tests it and lists the
// accepted ones: sets AppPath to the program's folder, points lstFiles at it with the
// pattern "Zavolin*.dll" and, for every library in list order, registers it, creates an
// object of its class, and if IsPicturePlugin accepts the class appends an entry (that
// object's Info, the library's list position) to cmbAuswahl. Module "frmZavolin", procedure
// "AddPicture".
void AddPicture(QString& AppPath, FileList& lstFiles, PluginList& cmbAuswahl);

} // namespace zavolin
