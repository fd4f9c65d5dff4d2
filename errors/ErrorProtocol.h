#pragma once

#include "platform/desktop/OsVersion.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>

namespace zavolin {

// What one error protocol reports: the error window's captions and label texts at the moment
// it is built, the time and the operating system's version.
struct ProtocolFields {
    QString progInfoCaption;       // caption of framProgInfo
    QString progInfo;              // lblProgInfo
    QString errorCaption;          // caption of framFehler
    std::array<QString, 4> titles; // lblErrTitel(0..3)
    std::array<QString, 4> values; // lblError(0..3)
    QDateTime time;
    OsVersionInfo os;
};

// The part of a NUL-terminated text field before its first NUL; empty when the field holds no
// NUL at all (an unterminated field is not trusted).
QString LPSTRToVBString(const QByteArray& s);

// The protocol: 18 lines, each ended by CR LF.
QString buildProtocol(const ProtocolFields& fields);

// The protocol's line end.
inline constexpr char ProtocolLineEnd[] = "\r\n";

} // namespace zavolin
