#include "SerialCode.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>

namespace zavolin {
namespace {

// Letters and digits a child reads the same way whatever the handwriting or the font.
const QString CheckAlphabet = QStringLiteral("ACEFHJKMNPRTWXY349");
constexpr int CheckLength = 3;
constexpr int NumberDigits = 4; // at least; more when the numbers grow
constexpr qsizetype LongestPrefix = 6;

} // namespace

QString Serial::text() const {
    return QStringLiteral("%1-%2-%3")
        .arg(prefix)
        .arg(number, NumberDigits, 10, QLatin1Char('0'))
        .arg(check);
}

QString normalPrefix(const QString& prefix) {
    return prefix.trimmed().toUpper();
}

QString serialPrefixProblem(const QString& prefix) {
    static const QRegularExpression allowed(QStringLiteral("^[A-Z0-9]{1,6}$"));
    const QString normal = normalPrefix(prefix);
    if (normal.isEmpty())
        return QStringLiteral("the serials need a prefix, such as the class: 1 to %1 letters or "
                              "digits")
            .arg(LongestPrefix);
    if (!allowed.match(normal).hasMatch())
        return QStringLiteral("the serials' prefix \"%1\" must be 1 to %2 letters A to Z or "
                              "digits")
            .arg(prefix)
            .arg(LongestPrefix);
    return {};
}

QString serialCheckCode(const QByteArray& key, const QString& prefix, qint64 number) {
    const QByteArray message = prefix.toUtf8() + ':' + QByteArray::number(number);
    const QByteArray mac =
        QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Sha256);
    // The first four bytes as a number, written in the alphabet's digits.
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | quint8(mac[i]);
    QString code;
    for (int i = 0; i < CheckLength; ++i) {
        code += CheckAlphabet[qsizetype(value % quint32(CheckAlphabet.size()))];
        value /= quint32(CheckAlphabet.size());
    }
    return code;
}

std::optional<Serial> parseSerial(const QString& text) {
    static const QRegularExpression form(QStringLiteral(
        "^([A-Z0-9]{1,6})[\\s\\-\u2013]+([0-9]{1,12})[\\s\\-\u2013]+([A-Z0-9]{3})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed().toUpper());
    if (!match.hasMatch())
        return std::nullopt;
    return Serial{match.captured(1), match.captured(2).toLongLong(), match.captured(3)};
}

} // namespace zavolin
