#include "LibraryRegistration.h"

#include "HelperStart.h"
#include "PluginHost.h"
#include "PluginLimits.h"
#include "TrustedLibrary.h"

#include <QFileInfo>

namespace zavolin {

LibraryRegistration::LibraryRegistration() = default;

LibraryRegistration::~LibraryRegistration() {
    if (m_running)
        stop();
}

bool LibraryRegistration::load(const QString& libraryPath) {
    // A library that others could have changed is not loaded, as one that cannot be: where
    // the libraries are listed (AddPicture) it has been told already, and unregistering one
    // that was never registered has nothing to tell.
    if (!untrustedReason(libraryPath, QFileInfo(libraryPath).absolutePath()).isEmpty())
        return false;
    m_host = PluginHost::loaded(libraryPath);
    return m_host != nullptr;
}

bool LibraryRegistration::findEntry(const QByteArray& name) {
    return m_host && m_host->findEntry(name);
}

bool LibraryRegistration::start() {
    m_running = m_host && m_host->startEntry();
    return m_running;
}

bool LibraryRegistration::wait() {
    if (!m_host)
        return true;
    const QDeadlineTimer deadline = pluginStepDeadline();
    // One that has not returned after a tenth of the limit may hang, and its host be ended
    // with it: while the program starts, a second host loads the library in the nine tenths
    // left, so that the library can still be asked what it is in the little time then left.
    if (!m_host->entryEndsWithin(pluginLimitMs() / 10))
        startHelperAhead(PluginHost::helperPath(), {m_host->library()});
    const bool ended = m_host->waitForEntry(deadline);
    if (ended)
        m_running = false;
    return ended;
}

void LibraryRegistration::stop() {
    if (m_host)
        m_host->end(QStringLiteral("its registration was stopped"));
    m_running = false;
}

void LibraryRegistration::release() {
    // An entry point still running holds its host; it is not handed on to the objects.
    if (m_running)
        stop();
    m_host.reset();
}

} // namespace zavolin
