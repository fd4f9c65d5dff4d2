#include "HostMessage.h"

#include "host_protocol.h"

#include <QtEndian>
#include <cstring>
#include <zavolin/plugin.h>

namespace zavolin {

HostMessageWriter& HostMessageWriter::i32(qint32 value) {
    char le[4];
    qToLittleEndian<qint32>(value, le);
    m_bytes.append(le, 4);
    return *this;
}

HostMessageWriter& HostMessageWriter::byteString(const QByteArray& value) {
    i32(qint32(value.size()));
    m_bytes.append(value);
    return *this;
}

HostMessageWriter& HostMessageWriter::text(const QString& value) {
    return byteString(value.toUtf8());
}

HostMessageWriter& HostMessageWriter::variant(const ComVariant& value) {
    if (const auto* i = std::get_if<qint16>(&value)) {
        char le[2];
        qToLittleEndian<qint16>(*i, le);
        i32(ZV_INT16);
        m_bytes.append(le, 2);
    } else if (const auto* l = std::get_if<qint32>(&value)) {
        i32(ZV_INT32).i32(*l);
    } else if (const auto* d = std::get_if<double>(&value)) {
        i32(ZV_DOUBLE);
        m_bytes.append(reinterpret_cast<const char*>(d), sizeof *d);
    } else if (const auto* b = std::get_if<bool>(&value)) {
        i32(ZV_BOOL).i32(*b ? 1 : 0);
    } else if (const auto* s = std::get_if<QString>(&value)) {
        i32(ZV_STRING).text(*s);
    } else if (const auto* p = std::get_if<PictureBytes>(&value)) {
        i32(ZV_PICTURE).byteString(p->bytes);
    } else {
        i32(ZV_EMPTY);
    }
    return *this;
}

bool HostMessageReader::take(void* out, qsizetype size) {
    if (m_broken || size < 0 || m_bytes.size() - m_at < size) {
        m_broken = true;
        std::memset(out, 0, size_t(qMax<qsizetype>(size, 0)));
        return false;
    }
    std::memcpy(out, m_bytes.constData() + m_at, size_t(size));
    m_at += size;
    return true;
}

char HostMessageReader::kind() {
    char k = 0;
    take(&k, 1);
    return k;
}

qint32 HostMessageReader::i32() {
    char le[4];
    take(le, 4);
    return qFromLittleEndian<qint32>(le);
}

QByteArray HostMessageReader::byteString() {
    const qint32 size = i32();
    if (m_broken || size < 0 || m_bytes.size() - m_at < size) {
        m_broken = true;
        return {};
    }
    QByteArray bytes = m_bytes.mid(m_at, size);
    m_at += size;
    return bytes;
}

QString HostMessageReader::text() {
    return QString::fromUtf8(byteString());
}

std::optional<ComVariant> HostMessageReader::variant() {
    switch (i32()) {
    case ZV_EMPTY:
        return ComVariant{};
    case ZV_INT16: {
        char le[2];
        take(le, 2);
        return ComVariant{qFromLittleEndian<qint16>(le)};
    }
    case ZV_INT32:
        return ComVariant{i32()};
    case ZV_DOUBLE: {
        double d = 0;
        take(&d, sizeof d);
        return ComVariant{d};
    }
    case ZV_BOOL:
        return ComVariant{i32() != 0};
    case ZV_STRING:
        return ComVariant{text()};
    case ZV_PICTURE:
        return ComVariant{PictureBytes{byteString()}};
    case ZH_MALFORMED:
        return std::nullopt;
    default:
        m_broken = true;
        return std::nullopt;
    }
}

} // namespace zavolin
