#pragma once

#include "platform/desktop/Shell.h"

#include <QStringList>

namespace zavolin::test {

// A shell that keeps the addresses it was asked to open.
class FakeShell : public Shell {
public:
    void open(const QString& target) override { opened << target; }
    QStringList opened;
};

} // namespace zavolin::test
