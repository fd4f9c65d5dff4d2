#include "HelperEnd.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <signal.h>
#include <vector>

namespace zavolin {
namespace {

void settle(QProcess& helper, int graceMs) {
    if (!helper.waitForFinished(graceMs))
        endHelper(helper);
}

// The helpers let go of and not yet ended; the window's thread alone touches it.
struct LetGo {
    std::vector<QProcess*> helpers;
    bool routineAdded = false;
};

LetGo& letGo() {
    static LetGo state;
    return state;
}

// Before the application goes: each one left gets what is left of a short grace, together.
void endLeftHelpers() {
    std::vector<QProcess*> left;
    left.swap(letGo().helpers);
    constexpr int GraceAtExitMs = 100;
    const QDeadlineTimer deadline(GraceAtExitMs);
    for (QProcess* helper : left) {
        settle(*helper, int(deadline.remainingTime()));
        delete helper;
    }
}

void forget(QProcess* helper) {
    std::vector<QProcess*>& helpers = letGo().helpers;
    helpers.erase(std::remove(helpers.begin(), helpers.end(), helper), helpers.end());
    helper->deleteLater();
}

} // namespace

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

void endHelperLater(std::unique_ptr<QProcess> helper, int graceMs) {
    if (!helper || helper->state() == QProcess::NotRunning)
        return;
    helper->closeWriteChannel();
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
        settle(*helper, graceMs);
        return;
    }
    LetGo& state = letGo();
    if (!state.routineAdded) {
        qAddPostRoutine(endLeftHelpers);
        state.routineAdded = true;
    }
    QProcess* process = helper.release();
    state.helpers.push_back(process);
    QObject::connect(process, &QProcess::finished, process, [process] { forget(process); });
    QTimer::singleShot(graceMs, process, [process] {
        endHelper(*process);
        forget(process);
    });
}

} // namespace zavolin
