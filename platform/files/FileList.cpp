#include "FileList.h"

#include "platform/base/RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace zavolin {

void FileList::setPath(const QString& path) {
    if (!QFileInfo(path).isDir())
        raise(ErrNo::PathNotFound, QStringLiteral("Path not found: %1").arg(path));
    m_path = path;
    refresh();
}

void FileList::setPattern(const QString& pattern) {
    m_pattern = pattern;
    refresh();
}

QString FileList::name(int i) const {
    if (i < 0 || i >= count())
        raise(ErrNo::SubscriptOutOfRange,
              QStringLiteral("Subscript out of range: the file list has no position %1 (it holds "
                             "%2 names).")
                  .arg(i)
                  .arg(count()));
    return m_names[i];
}

void FileList::setListIndex(int index) {
    if (index < -1 || index >= count())
        raise(
            ErrNo::InvalidPropertyValue,
            QStringLiteral("Invalid property value: the file list has no position %1.").arg(index));
    m_listIndex = index;
}

void FileList::refresh() {
    m_listIndex = -1;
    m_names.clear();
    if (m_path.isEmpty())
        return;
    QDir folder(m_path);
    // Without QDir::CaseSensitive the name filters match without regard to case.
    m_names = folder.entryList(m_pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts), QDir::Files,
                               QDir::NoSort);
    std::sort(m_names.begin(), m_names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

} // namespace zavolin
