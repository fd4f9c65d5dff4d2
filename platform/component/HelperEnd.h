#pragma once

#include <QProcess>

namespace zavolin {

// Ends a running plug-in helper at once, with everything its plug-in started, and waits for it.
// The helper's guard (helper_guard.h) is told with SIGTERM and kills the rest before it ends;
// should it not end in time, the helper's whole process group is killed instead.
void endHelper(QProcess& helper);

} // namespace zavolin
