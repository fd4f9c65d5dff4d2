#pragma once

#include "platform/files/FileList.h"

#include <QString>

namespace zavolin {

// The shutdown's unregistration: RegServe(AppPath + separator + name, false) for every
// library of lstFiles in list order, accepted as a plug-in at start-up or not. The body of
// the main window's Form_QueryUnload, and reported as that procedure of "frmZavolin".
void UnregisterPlugins(const QString& AppPath, const FileList& lstFiles);

// The same for the user's plug-in folder that AddUserPicture listed, passing over the
// libraries it passed over.
void UnregisterUserPlugins(const QString& UserPath, const FileList& lstUserFiles,
                           const FileList& lstFiles);

} // namespace zavolin
