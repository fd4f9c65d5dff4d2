#pragma once

#include <QString>

namespace zavolin {

// The language a LangBase names as its ISO 639-1 code: German 0, Spanish 2000, and English for
// every other one (Italian has no translations or guide of its own and reads English).
inline QString languageCode(qint16 langBase) {
    switch (langBase) {
    case 0:
        return QStringLiteral("de");
    case 2000:
        return QStringLiteral("es");
    default:
        return QStringLiteral("en");
    }
}

} // namespace zavolin
