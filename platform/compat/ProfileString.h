#pragma once

#include <QString>

namespace zavolin {

// Stand-in for GetPrivateProfileStringA: reads the value of one key of an INI file.
//
// The file is read afresh at every call and decoded as Windows-1252. Section and key names
// match without regard to letter case; blanks and tabs around section names, keys and values
// are not part of them; the first matching key of the section wins. When the key (or the
// file) is missing, the value is defaultText less its trailing blanks.
//
// Like the C call, the value goes into a character buffer of the given size: at most
// size - 1 characters followed by a NUL (buffer is enlarged to size characters if it is
// shorter; the characters after the NUL are left as they were). Returns the number of
// characters put in front of the NUL.
qint32 GetPrivateProfileStringA(const QString& section, const QString& key,
                                const QString& defaultText, QString& buffer, qint32 size,
                                const QString& fileName);

// The value itself, as GetPrivateProfileStringA would put it in an unlimited buffer.
QString profileString(const QString& section, const QString& key, const QString& defaultText,
                      const QString& fileName);

} // namespace zavolin
