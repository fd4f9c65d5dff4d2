#pragma once

#include <QByteArray>
#include <QString>

namespace zavolin::test {

// Points HOME and the XDG directories at a fresh temporary directory for this test process.
void isolateUserDirectories();

// A fresh empty directory below the isolated home, removed at process exit.
QString freshDirectory(const QString& name);

// Writes the bytes to a new file in a fresh directory and returns its path.
QString fileWith(const QByteArray& bytes, const QString& name = QStringLiteral("test.ini"));

} // namespace zavolin::test
