#pragma once

#include <QString>

namespace zavolin {

// The text stored under the key of that number (LangBase plus a text number) in LangFile, or
// an empty text when the table lacks it or cannot be read. At most 254 characters.
QString GetLang(qint16 Key);

// The user's private temporary directory, ending in a separator.
QString GetTempDir();

// The text up to its first NUL character, or the whole text when it holds none.
QString TrimNull(const QString& Item);

// The file name of the extracted language table within the temporary directory.
inline constexpr char LangFileName[] = "~tmp.lng";

} // namespace zavolin
