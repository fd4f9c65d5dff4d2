#pragma once

#include <QString>

namespace zavolin {

// Writes the raw bytes of the embedded resource of that id and type (":/<type>/<id>") to the
// file Path and returns 0. The file is replaced as a whole: the bytes go to a new file beside
// it, which then takes the place of Path in one step, so no old bytes remain and a link
// planted at Path is replaced, never followed.
qint32 SaveResItemToDisk(qint16 iResourceNum, const QString& sResourceType, const QString& Path);

} // namespace zavolin
