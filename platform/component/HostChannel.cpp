#include "HostChannel.h"

#include "HelperEnd.h"
#include "HelperStart.h"
#include "host_protocol.h"

#include <QtEndian>
#include <algorithm>

namespace zavolin {

HostChannel::HostChannel()
    : m_process(std::make_unique<QProcess>()) {}

HostChannel::~HostChannel() {
    // Releasing what is left and unloading takes a well-behaved library no time at all; the
    // program goes on meanwhile.
    endHelperLater(std::move(m_process), 100);
}

bool HostChannel::start(const QString& program, const QStringList& arguments,
                        QDeadlineTimer deadline) {
    if (startHelper(m_process, program, arguments,
                    int(std::clamp<qint64>(deadline.remainingTime(), 1000, 60000))))
        return true;
    m_broken = true;
    m_why = m_process->errorString();
    return false;
}

bool HostChannel::fill(qint64 size, QDeadlineTimer deadline) {
    while (m_process->bytesAvailable() < size) {
        if (m_process->state() == QProcess::NotRunning) {
            m_broken = true;
            m_why = m_process->exitStatus() == QProcess::CrashExit ? QStringLiteral("it crashed")
                                                                   : QStringLiteral("it ended");
            return false;
        }
        if (deadline.hasExpired()) {
            kill(QStringLiteral("it did not answer in time"));
            return false;
        }
        m_process->waitForReadyRead(int(std::clamp<qint64>(deadline.remainingTime(), 1, 60000)));
    }
    return true;
}

bool HostChannel::answersWithin(int ms) {
    return m_broken || m_process->bytesAvailable() > 0 ||
           m_process->state() == QProcess::NotRunning || m_process->waitForReadyRead(ms);
}

std::optional<QByteArray> HostChannel::receive(QDeadlineTimer deadline) {
    // Not open(): a helper started ahead may have ended after its answer, which is still read.
    if (m_broken)
        return std::nullopt;
    if (!fill(4, deadline))
        return std::nullopt;
    uchar length[4];
    m_process->read(reinterpret_cast<char*>(length), 4);
    const quint32 size = qFromLittleEndian<quint32>(length);
    if (size == 0 || size > ZH_MAX_MESSAGE) {
        kill(QStringLiteral("it sent something that is no answer"));
        return std::nullopt;
    }
    if (!fill(qint64(size), deadline))
        return std::nullopt;
    return m_process->read(qint64(size));
}

std::optional<QByteArray> HostChannel::exchange(const QByteArray& message,
                                                QDeadlineTimer deadline) {
    if (!open())
        return std::nullopt;
    uchar length[4];
    qToLittleEndian<quint32>(quint32(message.size()), length);
    m_process->write(reinterpret_cast<const char*>(length), 4);
    m_process->write(message);
    return receive(deadline);
}

void HostChannel::kill(const QString& why) {
    m_broken = true;
    if (!why.isEmpty())
        m_why = why;
    endHelper(*m_process);
}

} // namespace zavolin
