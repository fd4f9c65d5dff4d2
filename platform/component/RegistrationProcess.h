#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <memory>

namespace zavolin {

// Runs a library's self-registration entry point in the helper process zavolin-regsvr
// (beside the program), one step at a time, in the order of loading a library, finding the
// entry point, running it on a thread of its own, waiting with a limit, stopping it and
// releasing the library. Each step ends by the plug-in step deadline (PluginLimits.h). The process
// stands in for the thread because a thread cannot be stopped safely, and a crash in it would take
// the program along; the helper can be killed, and its crash is its own.
class RegistrationProcess {
public:
    RegistrationProcess();
    // Kills the helper if it still runs.
    ~RegistrationProcess();
    RegistrationProcess(const RegistrationProcess&) = delete;
    RegistrationProcess& operator=(const RegistrationProcess&) = delete;

    // The helper's path: zavolin-regsvr in the folder of the running executable.
    static QString helperPath();

    // Starts the helper (or takes the one started ahead, HelperStart.h) and has it load the
    // library; true when it did in time, false also for a library others could have changed
    // (untrustedReason), which is not loaded at all.
    // Raises FileNotFound when the helper cannot be started at all.
    bool load(const QString& libraryPath);
    // Looks the entry point up; true when the library has it.
    bool findEntry(const QByteArray& name);
    // Starts the entry point; true when it started.
    bool start();
    // Waits for the entry point to end; true when it ended (returned or crashed) in time,
    // false on time-out.
    bool wait();
    // Stops the entry point at once, wherever it is.
    void stop();
    // Releases the library and lets the helper end (it is killed if it takes too long).
    void release();

private:
    // The helper's next line, without its line break; empty when it sends none in time.
    QByteArray readLine(QDeadlineTimer deadline);
    void send(const QByteArray& line);

    // Not started until load.
    std::unique_ptr<QProcess> m_process;
};

} // namespace zavolin
