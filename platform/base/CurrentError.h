#pragma once

#include <QString>

namespace zavolin {

// The failure being handled: set by the error trap before it asks the reporter, so that the
// error window reads number, description and line label as the current ones.
struct CurrentError {
    qint32 number = 0;
    QString description;
    qint32 line = 0;
};

CurrentError& currentError();

} // namespace zavolin
