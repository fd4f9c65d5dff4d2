#include "RegistrationProcess.h"

#include "HelperEnd.h"
#include "HelperStart.h"
#include "PluginLimits.h"
#include "TrustedLibrary.h"
#include "platform/base/RuntimeError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace zavolin {

RegistrationProcess::RegistrationProcess()
    : m_process(std::make_unique<QProcess>()) {}

RegistrationProcess::~RegistrationProcess() {
    stop();
}

QString RegistrationProcess::helperPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zavolin-regsvr");
}

bool RegistrationProcess::load(const QString& libraryPath) {
    // A library that others could have changed is not loaded, as one that cannot be: where
    // the libraries are listed (AddPicture) it has been told already, and unregistering one
    // that was never registered has nothing to tell.
    if (!untrustedReason(libraryPath, QFileInfo(libraryPath).absolutePath()).isEmpty())
        return false;
    const QDeadlineTimer deadline = pluginStepDeadline();
    if (!startHelper(m_process, helperPath(), {libraryPath},
                     int(std::max<qint64>(deadline.remainingTime(), 1000))))
        raise(ErrNo::FileNotFound,
              QStringLiteral("File not found: the registration helper %1 cannot be started "
                             "(%2).")
                  .arg(helperPath(), m_process->errorString()));
    if (readLine(deadline) == "loaded")
        return true;
    stop();
    return false;
}

bool RegistrationProcess::findEntry(const QByteArray& name) {
    send(name);
    // Looking a name up takes no time worth a limit of its own; a helper that does not
    // answer has died.
    return readLine(pluginStepDeadline()) == "found";
}

bool RegistrationProcess::start() {
    send("run");
    return readLine(pluginStepDeadline()) == "started";
}

bool RegistrationProcess::wait() {
    const QDeadlineTimer deadline = pluginStepDeadline();
    if (readLine(deadline).startsWith("returned"))
        return true;
    // No word within the limit: still running unless it died on the way (a crash).
    return !m_process || m_process->state() == QProcess::NotRunning;
}

void RegistrationProcess::stop() {
    if (m_process)
        endHelper(*m_process);
}

void RegistrationProcess::release() {
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    send("free");
    // The library unloads while the program goes on; past the step limit the helper is ended.
    endHelperLater(std::move(m_process),
                   int(std::clamp<qint64>(pluginStepDeadline().remainingTime(), 1, 60000)));
}

QByteArray RegistrationProcess::readLine(QDeadlineTimer deadline) {
    if (!m_process)
        return {};
    while (!m_process->canReadLine()) {
        if (m_process->state() == QProcess::NotRunning || deadline.hasExpired())
            return {};
        // Returns on data, on the helper's end and on time-out; the loop tells them apart.
        m_process->waitForReadyRead(int(std::clamp<qint64>(deadline.remainingTime(), 1, 60000)));
    }
    return m_process->readLine().trimmed();
}

void RegistrationProcess::send(const QByteArray& line) {
    if (!m_process || m_process->state() != QProcess::Running)
        return;
    m_process->write(line + '\n');
    m_process->waitForBytesWritten(1000);
}

} // namespace zavolin
