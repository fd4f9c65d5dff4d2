#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>

namespace zavolin {

// How long each step of a registration may take before the helper is given up on: loading the
// library, each answer of the helper, the entry point's run and the release. One value for the
// whole program, 5000 ms; the program never changes it. Tests shorten it so that a library that
// hangs costs them little.
constexpr int DefaultRegistrationTimeoutMs = 5000;
int registrationTimeoutMs();
void setRegistrationTimeoutMs(int ms);

// Runs a library's self-registration entry point in the helper process zavolin-regsvr
// (beside the program), one step at a time, in the order of loading a library, finding the
// entry point, running it on a thread of its own, waiting with a limit, stopping it and
// releasing the library. The process stands in for the thread because a thread cannot be
// stopped safely, and a crash in it would take the program along; the helper can be killed,
// and its crash is its own.
class RegistrationProcess {
public:
    RegistrationProcess();
    // Kills the helper if it still runs.
    ~RegistrationProcess();
    RegistrationProcess(const RegistrationProcess&) = delete;
    RegistrationProcess& operator=(const RegistrationProcess&) = delete;

    // The helper's path: zavolin-regsvr in the folder of the running executable.
    static QString helperPath();

    // Starts the helper and has it load the library; true when it did within `limitMs`.
    // Raises FileNotFound when the helper cannot be started at all.
    bool load(const QString& libraryPath, int limitMs);
    // Looks the entry point up; true when the library has it.
    bool findEntry(const QByteArray& name);
    // Starts the entry point; true when it started.
    bool start();
    // Waits for the entry point to end; true when it ended (returned or crashed) within the
    // limit, false on time-out.
    bool wait(int limitMs);
    // Stops the entry point at once, wherever it is.
    void stop();
    // Releases the library and lets the helper end (it is killed if it takes longer than
    // `limitMs`).
    void release(int limitMs);

private:
    // The helper's next line, without its line break; empty when it sends none in time.
    QByteArray readLine(QDeadlineTimer deadline);
    void send(const QByteArray& line);

    QProcess m_process;
};

} // namespace zavolin
