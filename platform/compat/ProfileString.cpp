#include "ProfileString.h"

#include "platform/base/RuntimeError.h"
#include "platform/compat/Windows1252.h"
#include "platform/files/RegularFile.h"

#include <optional>

namespace zavolin {
namespace {

// Far more than any table of texts holds; a larger file is not one.
constexpr qint64 MaxProfileFileBytes = 4 * 1024 * 1024;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView trimmed(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

// The value of the key in the section, or nothing when the file lacks it.
std::optional<QString> lookUp(QStringView text, const QString& section, const QString& key) {
    bool inSection = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(u'\n', pos);
        if (end < 0)
            end = text.size();
        QStringView line = text.sliced(pos, end - pos);
        pos = end + 1;
        if (line.endsWith(u'\r'))
            line.chop(1);
        // A C string ends at its NUL; so does a line read into one.
        if (const qsizetype nul = line.indexOf(QChar(0)); nul >= 0)
            line.truncate(nul);
        line = trimmed(line);
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QStringView name = trimmed(line.sliced(1, (close < 0 ? line.size() : close) - 1));
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        if (trimmed(line.first(equals)).compare(key, Qt::CaseInsensitive) == 0)
            return trimmed(line.sliced(equals + 1)).toString();
    }
    return std::nullopt;
}

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.first(end);
}

} // namespace

QString profileString(const QString& section, const QString& key, const QString& defaultText,
                      const QString& fileName) {
    try {
        if (auto value = lookUp(fromWindows1252(readRegularFile(fileName, MaxProfileFileBytes)),
                                section, key))
            return *value;
    } catch (const RuntimeError&) {
        // A file that cannot be read holds no key: the default, as for a missing one.
    }
    return withoutTrailingBlanks(defaultText);
}

qint32 GetPrivateProfileStringA(const QString& section, const QString& key,
                                const QString& defaultText, QString& buffer, qint32 size,
                                const QString& fileName) {
    const QString value = profileString(section, key, defaultText, fileName);
    if (size <= 0)
        return 0;
    if (buffer.size() < size)
        buffer.append(QString(size - buffer.size(), u' '));
    const qint32 count = qint32(qMin<qsizetype>(value.size(), size - 1));
    buffer.replace(0, count, value.first(count));
    buffer[count] = QChar(0);
    return count;
}

} // namespace zavolin
