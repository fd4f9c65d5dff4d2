#include "HelperEnd.h"

#include <signal.h>

namespace zavolin {

void endHelper(QProcess& helper) {
    if (helper.state() == QProcess::NotRunning)
        return;
    // Not yet waited for, so the number is still the helper's and the leader's of its group.
    const auto pid = pid_t(helper.processId());
    ::kill(pid, SIGTERM);
    // The guard runs no plug-in code: it answers at once, unless the system is in trouble.
    constexpr int GuardAnswersMs = 2000;
    if (helper.waitForFinished(GuardAnswersMs))
        return;
    ::kill(-pid, SIGKILL);
    helper.kill();
    helper.waitForFinished(-1);
}

} // namespace zavolin
