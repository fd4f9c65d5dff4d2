#pragma once

#include "platform/base/Replaceable.h"

#include <QDateTime>

namespace zavolin {

// The local date and time; tests fix it.
class Clock : public Replaceable<Clock> {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
    static Clock& real();
};

} // namespace zavolin
