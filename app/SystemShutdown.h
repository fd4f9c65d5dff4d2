#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace zavolin {

// Closes the main window, with the shutdown it brings (the plug-ins unregistered, the print
// offsets stored), when the system ends the program rather than the user: SIGTERM and SIGHUP
// (a log-off, a shutdown, `kill`) and the end of the desktop session. Install it once the
// window has loaded: before, there is nothing of the user's to keep, and closing would store
// offsets that were never read. One at a time; the signals' former handling comes back when it
// is destroyed.
class SystemShutdown : public QObject {
public:
    explicit SystemShutdown(QWidget& window);
    ~SystemShutdown() override;
    SystemShutdown(const SystemShutdown&) = delete;
    SystemShutdown& operator=(const SystemShutdown&) = delete;

private:
    QWidget& m_window;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace zavolin
