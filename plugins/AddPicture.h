#pragma once

#include "PluginEntry.h"
#include "platform/files/FileList.h"

#include <QString>

namespace zavolin {

// Finds the picture plug-ins beside the program, registers each, tests it and lists the
// accepted ones: sets AppPath to the program's folder, points lstFiles at it with the
// pattern "Zavolin*.dll" and, for every library in list order, registers it, creates an
// object of its class, and if IsPicturePlugin accepts the class appends an entry (that
// object's Info, the library's list position) to cmbAuswahl. A library that others could have
// changed (untrustedReason) is reported as PathFileAccessError at label 60 and passed over:
// none of its code runs. Module "frmZavolin", procedure "AddPicture".
void AddPicture(QString& AppPath, FileList& lstFiles, PluginList& cmbAuswahl);

// Then the same for the user's own plug-in folder, so that a user can add a set without
// writing into the program's folder: sets UserPath to userPluginFolder() and points
// lstUserFiles at it; its entries follow the program's and are marked as user libraries. A
// library whose class the program's folder has already (shadowedByProgramFolder) is passed
// over: the program's own set stays what it is. No such folder, no entries. Reported as
// AddPicture, with its labels.
void AddUserPicture(QString& UserPath, FileList& lstUserFiles, const FileList& lstFiles,
                    PluginList& cmbAuswahl);

} // namespace zavolin
