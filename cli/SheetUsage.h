#pragma once

#include <QString>

namespace zavolin {

// The help text of zavolin-sheet (--help): every command and option, as the man page has them.
QString sheetUsage();

} // namespace zavolin
