#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zavolin {

// A note's serial: the user's prefix (the class, say), a running number and a check code made
// of both with a secret key, written as "3B-0042-KX7". Without the key no one can make a check
// code that fits a number, so an invented serial shows at once.
struct Serial {
    QString prefix; // 1 to 6 letters or digits, upper case
    qint64 number = 0;
    QString check;

    QString text() const;
};

// Why a prefix cannot be used, or "" when it can; see normalPrefix for what is taken.
QString serialPrefixProblem(const QString& prefix);
// The prefix as serials write it: trimmed, upper case.
QString normalPrefix(const QString& prefix);

// The check code of prefix and number under the key: three characters from an alphabet
// without look-alikes (no 0 and O, 1 and I, 2 and Z, 5 and S, 8 and B ...).
QString serialCheckCode(const QByteArray& key, const QString& prefix, qint64 number);

// A serial as someone typed it (any case, dashes or spaces between its parts); none when the
// text has no such form. The check code is not checked here.
std::optional<Serial> parseSerial(const QString& text);

} // namespace zavolin
