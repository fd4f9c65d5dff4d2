#pragma once

#include <QString>
#include <QStringList>

namespace zavolin {

// The hidden file list control: the files of one folder whose names match a pattern, names
// only. The pattern is matched without regard to case ("Zavolin*.dll" finds "ZAVOLINx.DLL"),
// and the names are sorted the same way every time (without regard to case, ties in code
// point order). The list is read when the path or the pattern is set and otherwise kept, so
// every reader sees the same names in the same order for as long as the program runs.
class FileList {
public:
    FileList() = default;

    const QString& path() const { return m_path; }
    // Points the list at a folder. Raises PathNotFound when it is no folder.
    void setPath(const QString& path);

    const QString& pattern() const { return m_pattern; }
    // Wildcards * and ?; several patterns separated by ";".
    void setPattern(const QString& pattern);

    int count() const { return int(m_names.size()); }
    // The name at position i. Raises SubscriptOutOfRange outside 0..count - 1.
    QString name(int i) const;
    const QStringList& names() const { return m_names; }

    // The selected position, -1 for none. Raises InvalidPropertyValue outside -1..count - 1.
    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);

    // Reads the folder again.
    void refresh();

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.dll");
    QStringList m_names;
    int m_listIndex = -1;
};

} // namespace zavolin
