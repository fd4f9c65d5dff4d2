#pragma once

#include <QString>

namespace zavolin {

// Whether a LangBase names one of the languages: German 0, English 1000, Spanish 2000, Italian
// 3000.
inline bool isLanguage(qint16 langBase) {
    return langBase == 0 || langBase == 1000 || langBase == 2000 || langBase == 3000;
}

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
