#include "Clock.h"

namespace zavolin {
namespace {

class SystemClock : public Clock {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

} // namespace

Clock& Clock::real() {
    static SystemClock clock;
    return clock;
}

} // namespace zavolin
