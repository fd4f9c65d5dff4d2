#pragma once

#include <QProcess>
#include <memory>

namespace zavolin {

// Ends a running plug-in helper at once, with everything its plug-in started, and waits for it.
// The helper's guard (helper_guard.h) is told with SIGTERM and kills the rest before it ends;
// should it not end in time, the helper's whole process group is killed instead.
void endHelper(QProcess& helper);

// Closes the helper's input and lets it end by itself without waiting for it: one still
// running after graceMs is ended as endHelper() ends it, and any left when the application
// ends are ended then. Outside the application's thread it is waited for here.
void endHelperLater(std::unique_ptr<QProcess> helper, int graceMs);

} // namespace zavolin
