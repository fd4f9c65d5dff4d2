#pragma once

#include "platform/base/Replaceable.h"

#include <QString>
#include <memory>

class QLockFile;

namespace zavolin {

// Whether another instance of the program already runs for this user. The first instance
// holds a lock file until it ends; the answer for the process that holds it is false. Tests
// put a fake in its place.
class PreviousInstance : public Replaceable<PreviousInstance> {
public:
    virtual ~PreviousInstance() = default;
    // Raises PathFileAccessError when the lock can be neither taken nor found held.
    virtual bool running() = 0;
    static PreviousInstance& real();
};

// The lock file behind the real test: taken on the first question and kept while this object
// lives. Another process holding it (alive, on this host) means another instance; a lock left
// by a crashed instance is taken over.
class InstanceLock : public PreviousInstance {
public:
    explicit InstanceLock(QString path);
    ~InstanceLock() override;

    bool running() override;

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// The lock file's path: the user's private temporary directory and "<title>.lock".
QString instanceLockPath();

} // namespace zavolin
