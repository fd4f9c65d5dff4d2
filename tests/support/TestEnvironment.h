#pragma once

#include <QString>

namespace zavolin::test {

// Points HOME and the XDG directories at a fresh temporary directory for this test process.
void isolateUserDirectories();

// A fresh empty directory below the isolated home, removed at process exit.
QString freshDirectory(const QString& name);

} // namespace zavolin::test
