#pragma once

#include "PluginEntry.h"
#include "platform/files/FileList.h"
#include "platform/pictures/PictureClip.h"

namespace zavolin {

// Asks the plug-in of the chosen cmbAuswahl entry for its picture set and makes it the
// picture of clpPics: creates an object of the class of the entry's library in lstFiles,
// calls GetPicture(1, 1) on it and releases it. With no entry chosen it does nothing, and
// after a failure clpPics keeps the picture it had. Module "frmZavolin", procedure
// "CreatePicture".
void CreatePicture(const FileList& lstFiles, const PluginList& cmbAuswahl, PictureClip& clpPics);

// The file list an entry's library is in: the user's plug-in folder's or the program's.
inline const FileList& libraryList(const PluginEntry& entry, const FileList& lstFiles,
                                   const FileList& lstUserFiles) {
    return entry.userLibrary ? lstUserFiles : lstFiles;
}

} // namespace zavolin
