#pragma once

#include <QtGlobal>

namespace zavolin {

// Texts the program has beyond its language table come from Qt translation files, written in
// English. Puts those of the language a LangBase names in place (German 0, English 1000,
// Spanish 2000; a language without a file of its own, Italian, gets the English texts).
// Needs the application object.
void useTranslations(qint16 langBase);

// The LangBase stored as the setting "Sprache", for a program part that has no window to read
// it at start-up; German, the setting's own default, when the stored text is no language.
qint16 storedLangBase();

} // namespace zavolin
