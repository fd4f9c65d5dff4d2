#pragma once

#include "platform/FileList.h"
#include "platform/PictureClip.h"
#include "plugins/PluginEntry.h"

namespace zavolin {

// Appends an entry for each of the user's own picture sets, after the plug-ins' entries.
void appendOwnSets(PluginList& cmbAuswahl);

// Makes the chosen entry's set the picture of clpPics: an own set read from its folder, a
// plug-in's asked for as CreatePicture does. A failure raises (an own set) or is reported by
// CreatePicture; clpPics keeps the picture it had.
void CreateChosenPicture(const FileList& lstFiles, const PluginList& cmbAuswahl,
                         PictureClip& clpPics);

} // namespace zavolin
