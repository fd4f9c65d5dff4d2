#pragma once

#include <QString>

namespace zavolin {

// The current language as the base of every text key: 0 German, 1000 English, 2000 Spanish,
// 3000 Italian. Program-wide; read from the setting "Sprache" at start-up.
inline qint16 LangBase = 0;

// The full path of the extracted language table: the temporary directory and "~tmp.lng".
inline QString LangFile;

} // namespace zavolin
