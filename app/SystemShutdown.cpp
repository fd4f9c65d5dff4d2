#include "SystemShutdown.h"

#include "errors/ErrPtnr.h"
#include "platform/component/PluginLimits.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <sys/socket.h>
#include <unistd.h>

namespace zavolin {
namespace {

// A signal handler may only write a byte; the window is closed from the event loop.
int g_signalPipe[2] = {-1, -1};
struct sigaction g_previousTerm;
struct sigaction g_previousHup;

// What the system allows a program to take before it kills it is often little more.
constexpr auto ShutdownLimit = std::chrono::seconds(2);
// Unregistering plug-ins comes first; the settings must still be stored in the time left.
constexpr int ShutdownPluginMs = 1000;

extern "C" void onEndSignal(int) {
    // The interrupted code may be about to read errno: the write must not change it.
    const int interrupted = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    errno = interrupted;
}

} // namespace

SystemShutdown::SystemShutdown(QWidget& window)
    : m_window(window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) == 0) {
        m_notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char byte;
            [[maybe_unused]] const ssize_t read = ::read(g_signalPipe[0], &byte, 1);
            endBySystem();
        });
        struct sigaction action {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, &g_previousTerm);
        sigaction(SIGHUP, &action, &g_previousHup);
    } else {
        qWarning("zavolin: the settings cannot be kept when the system ends the program (%s)",
                 std::strerror(errno));
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this] { endBySystem(); });
}

void SystemShutdown::endBySystem() {
    if (!m_backstop.joinable()) {
        m_pluginLimitMs = pluginLimitMs();
        m_backstop = std::jthread([](std::stop_token stop) {
            std::mutex mutex;
            std::unique_lock lock(mutex);
            std::condition_variable_any().wait_for(lock, stop, ShutdownLimit, [] { return false; });
            if (stop.stop_requested())
                return;
            std::fputs("zavolin: the shutdown was cut short after 2 s\n", stderr);
            ::_exit(EXIT_FAILURE);
        });
    }
    ErrPtnr::instance().setUnattended(true);
    setPluginLimitMs(std::min(m_pluginLimitMs, ShutdownPluginMs));
    const PluginBudget budget;
    // The same close as the title bar's: the unload handlers run once, whoever asks first.
    m_window.close();
}

SystemShutdown::~SystemShutdown() {
    if (m_backstop.joinable()) {
        m_backstop = {};
        ErrPtnr::instance().setUnattended(false);
        setPluginLimitMs(m_pluginLimitMs);
    }
    if (!m_notifier)
        return;
    sigaction(SIGTERM, &g_previousTerm, nullptr);
    sigaction(SIGHUP, &g_previousHup, nullptr);
    // Stops watching the descriptor before it is closed.
    delete m_notifier;
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}

} // namespace zavolin
