#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace zavolin {

class PluginHost;

// Runs a library's self-registration entry point in the library's plug-in host (PluginHost.h),
// one step at a time, in the order of loading a library, finding the entry point, running it,
// waiting with a limit, stopping it and releasing the library. Each step ends by the plug-in
// step deadline (PluginLimits.h). The host stands in for a thread of the program because a
// thread cannot be stopped safely, and a crash in it would take the program along; the host can
// be ended, and its crash is its own. The same host then serves the library's objects.
class LibraryRegistration {
public:
    LibraryRegistration();
    // Ends the host if the entry point still runs.
    ~LibraryRegistration();
    LibraryRegistration(const LibraryRegistration&) = delete;
    LibraryRegistration& operator=(const LibraryRegistration&) = delete;

    // Has the library's host load it (or takes its running host); true when it did in time,
    // false also for a library others could have changed (untrustedReason), which is not
    // loaded at all. Raises FileNotFound when the host cannot be started at all.
    bool load(const QString& libraryPath);
    // Looks the entry point up; true when the library has it.
    bool findEntry(const QByteArray& name);
    // Starts the entry point; true when it started.
    bool start();
    // Waits for the entry point to end; true when it ended (returned or crashed) in time,
    // false on time-out.
    bool wait();
    // Stops the entry point at once, wherever it is, by ending its host.
    void stop();
    // Lets the library go: its host ends unless it serves objects or is kept (HostKeepAlive).
    void release();

private:
    std::shared_ptr<PluginHost> m_host;
    // Started and not known to have returned.
    bool m_running = false;
};

} // namespace zavolin
