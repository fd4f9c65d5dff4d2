#include "PreviousInstance.h"

#include "platform/base/ProgramInfo.h"
#include "platform/base/RuntimeError.h"
#include "platform/files/TempDirectory.h"

#include <QLockFile>

namespace zavolin {

InstanceLock::InstanceLock(QString path)
    : m_path(std::move(path)) {}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::running() {
    if (m_lock && m_lock->isLocked())
        return false;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: an instance may run for days. A dead holder is detected by its PID.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return false;
    switch (m_lock->error()) {
    case QLockFile::LockFailedError:
        return true;
    default:
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("Path/File access error: cannot create the instance lock %1.")
                  .arg(m_path));
    }
}

QString instanceLockPath() {
    return privateTempDirectory() + programInfo().title + QStringLiteral(".lock");
}

PreviousInstance& PreviousInstance::real() {
    static InstanceLock lock(instanceLockPath());
    return lock;
}

} // namespace zavolin
