#pragma once

#include <QString>

namespace zavolin {

// Whether the class named by the ProgID is a picture plug-in: a fresh object of it reads
// "ZAVOLIN" (exactly, case-sensitive) from its Typ property. Any failure on the way makes it
// false, quietly: it never reports. The object is released before it returns.
bool IsPicturePlugin(const QString& progId);

} // namespace zavolin
