#pragma once

#include "ComVariant.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace zavolin {

// Writes one message to a plug-in host: its kind, then its fields (host_protocol.h).
class HostMessageWriter {
public:
    explicit HostMessageWriter(char kind) { m_bytes.append(kind); }
    HostMessageWriter& i32(qint32 value);
    HostMessageWriter& text(const QString& value);
    HostMessageWriter& variant(const ComVariant& value);
    const QByteArray& bytes() const { return m_bytes; }

private:
    HostMessageWriter& byteString(const QByteArray& value);
    QByteArray m_bytes;
};

// Reads one message from a plug-in host. A field that is not there or not of its form breaks
// the reader; what it reads from then on is empty.
class HostMessageReader {
public:
    explicit HostMessageReader(QByteArray bytes)
        : m_bytes(std::move(bytes)) {}
    char kind();
    qint32 i32();
    QString text();
    // A variant; nullopt for one the plug-in left malformed (the message itself is fine).
    std::optional<ComVariant> variant();
    // Whether everything read was there and the message is read to its end.
    bool complete() const { return !m_broken && m_at == m_bytes.size(); }
    bool broken() const { return m_broken; }

private:
    bool take(void* out, qsizetype size);
    QByteArray byteString();

    QByteArray m_bytes;
    qsizetype m_at = 0;
    bool m_broken = false;
};

} // namespace zavolin
