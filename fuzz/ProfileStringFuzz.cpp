// The INI reader on any file: the input is the file, and the sections and keys looked up are
// the ones it seems to hold, so that lookups find values as often as they miss.
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "platform/compat/ProfileString.h"
#include "platform/compat/Windows1252.h"

#include <QList>
#include <utility>

namespace zavolin::fuzz {
namespace {

// Section and key names as a loose reading of the text finds them, at most a few.
QList<std::pair<QString, QString>> namesIn(const QString& text) {
    QList<std::pair<QString, QString>> names;
    QString section;
    for (const QString& line : text.split(u'\n')) {
        const QString t = line.trimmed();
        if (t.startsWith(u'[')) {
            section = t.mid(1, t.indexOf(u']') - 1);
        } else if (const qsizetype equals = t.indexOf(u'='); equals > 0) {
            names.append({section, t.left(equals)});
        }
        if (names.size() >= 8)
            break;
    }
    return names;
}

void checkLookUp(const QString& section, const QString& key, const QString& path) {
    const QString defaultText = QStringLiteral("  none  ");
    const QString value = profileString(section, key, defaultText, path);
    check(!value.contains(u'\n') && !value.contains(QChar(0)),
          "a value holds a line feed or a NUL");
    for (const qint32 size : {0, 1, 2, 7, 300}) {
        QString buffer = QStringLiteral("xyz");
        const qint32 count =
            GetPrivateProfileStringA(section, key, defaultText, buffer, size, path);
        if (size <= 0) {
            check(count == 0, "a value counted into no buffer");
            continue;
        }
        check(count == qMin<qint32>(qint32(value.size()), size - 1), "a value's count is wrong");
        check(buffer.size() >= size, "the buffer was not enlarged");
        check(buffer.at(count) == QChar(0), "the value is not followed by a NUL");
        check(QStringView(buffer).first(count) == QStringView(value).first(count),
              "the buffer holds another value");
    }
}

} // namespace

int fuzzOneProfileString(const uint8_t* data, size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    const QString text = fromWindows1252(bytes);
    check(text.size() == bytes.size(), "Windows-1252 is one character a byte");
    const QString path = writeFile(freshFolder(), QStringLiteral("zavolin.ini"), bytes);
    for (const auto& [section, key] : namesIn(text))
        checkLookUp(section, key, path);
    checkLookUp(QStringLiteral("Zavolin"), QStringLiteral("Language"), path);
    checkLookUp(QString(), QString(), path);
    return 0;
}

} // namespace zavolin::fuzz
