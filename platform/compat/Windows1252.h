#pragma once

#include <QByteArrayView>
#include <QString>

namespace zavolin {

// Decodes Windows-1252 text. Qt finds that code page only when it is built with ICU, so the
// mapping is our own: bytes 0x80..0x9F take the code page's characters (the five it leaves
// undefined stay the control characters of the same number), all others are Latin-1.
QString fromWindows1252(QByteArrayView bytes);

} // namespace zavolin
