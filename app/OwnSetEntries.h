#pragma once

#include "platform/files/FileList.h"
#include "platform/pictures/PictureClip.h"
#include "plugins/PluginEntry.h"

namespace zavolin {

// Appends an entry for each of the user's own picture sets, after the plug-ins' entries.
void appendOwnSets(PluginList& cmbAuswahl);

// Selects the entry's library in the file list it comes from (the program's folder or the
// user's plug-in folder) and none in the other. Raises InvalidPropertyValue for a position
// outside that list.
void selectLibrary(FileList& lstFiles, FileList& lstUserFiles, const PluginEntry& entry);

// Makes the chosen entry's set the picture of clpPics: an own set read from its folder, a
// plug-in's asked for as CreatePicture does, from the file list its library is in. A failure
// raises (an own set) or is reported by CreatePicture; clpPics keeps the picture it had.
void CreateChosenPicture(const FileList& lstFiles, const FileList& lstUserFiles,
                         const PluginList& cmbAuswahl, PictureClip& clpPics);

} // namespace zavolin
