#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <memory>
#include <optional>

namespace zavolin {

// A helper process spoken to in length-prefixed messages over its standard input and output
// (host_protocol.h). Every exchange has a deadline; a helper that misses it, ends or sends
// something that is no message is ended, and the channel stays closed from then on.
class HostChannel {
public:
    HostChannel();
    // Ends the helper: its input closed, given a moment to finish, then killed.
    ~HostChannel();
    HostChannel(const HostChannel&) = delete;
    HostChannel& operator=(const HostChannel&) = delete;

    // Starts the program with its arguments, or takes the one started ahead (HelperStart.h);
    // false when it cannot be started.
    bool start(const QString& program, const QStringList& arguments, QDeadlineTimer deadline);
    bool open() const { return m_process->state() == QProcess::Running && !m_broken; }
    // Why the channel closed, for messages: "it crashed", "it did not answer within 5000 ms".
    const QString& why() const { return m_why; }

    // Whether the helper has sent something, or ended, within `ms`; the channel stays as it is.
    bool answersWithin(int ms);
    // The next message from the helper; nullopt when none came (the channel is closed then).
    std::optional<QByteArray> receive(QDeadlineTimer deadline);
    // Sends a message and waits for the answer.
    std::optional<QByteArray> exchange(const QByteArray& message, QDeadlineTimer deadline);
    // Ends the helper at once.
    void kill(const QString& why);

private:
    bool fill(qint64 size, QDeadlineTimer deadline);

    // Not started until start.
    std::unique_ptr<QProcess> m_process;
    bool m_broken = false;
    QString m_why;
};

} // namespace zavolin
