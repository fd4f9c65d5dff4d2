#pragma once

#include <QObject>
#include <thread>

class QSocketNotifier;
class QWidget;

namespace zavolin {

// Closes the main window, with the shutdown it brings (the plug-ins unregistered, the print
// offsets stored), when the system ends the program rather than the user: SIGTERM and SIGHUP
// (a log-off, a shutdown, `kill`) and the end of the desktop session. Install it once the
// window has loaded: before, there is nothing of the user's to keep, and closing would store
// offsets that were never read. One at a time; the signals' former handling comes back when it
// is destroyed.
// No one may be there to answer then: failures are logged rather than asked about, plug-ins get
// a second in all, and a shutdown still running after 2 s is cut short.
class SystemShutdown : public QObject {
public:
    explicit SystemShutdown(QWidget& window);
    ~SystemShutdown() override;
    SystemShutdown(const SystemShutdown&) = delete;
    SystemShutdown& operator=(const SystemShutdown&) = delete;

private:
    void endBySystem();

    QWidget& m_window;
    std::jthread m_backstop;
    int m_pluginLimitMs = 0;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace zavolin
