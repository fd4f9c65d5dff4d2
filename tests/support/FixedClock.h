#pragma once

#include "platform/base/Clock.h"

#include <QDateTime>

namespace zavolin::test {

// A clock that stands still at `time` until a test moves it.
class FixedClock : public Clock {
public:
    explicit FixedClock(const QDateTime& at = QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3)))
        : time(at) {}
    QDateTime now() override { return time; }
    QDateTime time;
};

} // namespace zavolin::test
