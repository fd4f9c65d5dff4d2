#include "ErrorProtocol.h"

namespace zavolin {
namespace {

const QString Sep = QString(70, QLatin1Char('-'));
const QString Ind = QString(10, QLatin1Char(' '));
const QString Tab = QStringLiteral("\t");

} // namespace

QString LPSTRToVBString(const QByteArray& s) {
    const qsizetype nul = s.indexOf('\0');
    if (nul < 0)
        return {};
    return QString::fromLocal8Bit(s.left(nul));
}

QString buildProtocol(const ProtocolFields& fields) {
    const QString crlf = QString::fromLatin1(ProtocolLineEnd);
    QString p;
    p += Sep + crlf;
    p += QStringLiteral("F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L") + crlf;
    p += Sep + crlf;
    p += fields.progInfoCaption.toUpper() + crlf;
    p += Ind + fields.progInfo + crlf;
    p += Sep + crlf;
    p += fields.errorCaption.toUpper() + crlf;
    for (std::size_t i = 0; i < fields.titles.size(); ++i)
        p += Ind + fields.titles[i] + Tab + fields.values[i] + crlf;
    p += Ind + QStringLiteral("Datum/Uhrzeit (Date/Time):") + Tab +
         fields.time.toString(QStringLiteral("MM-dd-yyyy")) + QStringLiteral(" / ") +
         fields.time.toString(QStringLiteral("HH:mm:ss")) + crlf;
    p += Sep + crlf;
    p += QStringLiteral("SYSTEMINFO:") + crlf;
    // A platform without a name still ends its line, so the protocol keeps its 18 lines.
    const QString platform =
        fields.os.platform.isEmpty() ? QStringLiteral("unknown") : fields.os.platform;
    p += Ind + QStringLiteral("Plattform/Environment:") + Tab + platform + crlf;
    p += Ind + QStringLiteral("Version:") + Tab + QString::number(fields.os.major) +
         QLatin1Char('.') + QString::number(fields.os.minor) + crlf;
    p += Ind + QStringLiteral("Build:") + Tab + QString::number(fields.os.build & 0xFFFFu) +
         QStringLiteral("   ") + LPSTRToVBString(fields.os.servicePack) + crlf;
    p += Sep + crlf;
    return p;
}

} // namespace zavolin
