#include "Conversions.h"

#include "platform/base/RuntimeError.h"

#include <cmath>
#include <limits>
#include <optional>

namespace zavolin {
namespace {

[[noreturn]] void overflow() {
    raise(ErrNo::Overflow, QStringLiteral("Overflow: the number is too large for its type."));
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int hexValue(QChar c) {
    if (isDigit(c))
        return c.unicode() - u'0';
    const char16_t l = c.toLower().unicode();
    return (l >= u'a' && l <= u'f') ? l - u'a' + 10 : -1;
}

// &H / &O integers take the 16-bit pattern while they fit in four hex (six octal) digits,
// else the 32-bit one: &HFFFF is -1. No digits after the prefix: no number, pos 0.
std::optional<double> radixPrefix(QStringView s, qsizetype& pos) {
    if (s.size() < 2 || s[0] != u'&')
        return std::nullopt;
    int radix = 8;
    pos = 1;
    const QChar kind = s[1].toUpper();
    if (kind == u'H') {
        radix = 16;
        pos = 2;
    } else if (kind == u'O') {
        pos = 2;
    }
    quint64 value = 0;
    int digits = 0;
    while (pos < s.size()) {
        const int d = hexValue(s[pos]);
        if (d < 0 || d >= radix)
            break;
        value = value * radix + d;
        if (value > 0xFFFFFFFFull)
            overflow();
        ++digits;
        ++pos;
    }
    if (digits == 0) {
        pos = 0;
        return std::nullopt;
    }
    if (radix == 16 ? digits <= 4 : value <= 0xFFFF)
        return double(qint16(quint16(value)));
    return double(qint32(quint32(value)));
}

// Reads a decimal number at the start of s; pos ends after the last character used, or is 0
// when s does not start with one.
double decimalPrefix(QStringView s, qsizetype& pos) {
    QString text;
    pos = 0;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-'))
        text += s[pos++];
    bool point = false;
    bool mantissaDigits = false;
    while (pos < s.size()) {
        if (isDigit(s[pos])) {
            mantissaDigits = true;
        } else if (s[pos] == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        text += s[pos++];
    }
    if (!mantissaDigits) {
        pos = 0;
        return 0.0;
    }
    if (pos < s.size() && (s[pos].toUpper() == u'E' || s[pos].toUpper() == u'D')) {
        qsizetype e = pos + 1;
        QString exponent = QStringLiteral("e");
        if (e < s.size() && (s[e] == u'+' || s[e] == u'-'))
            exponent += s[e++];
        const qsizetype firstDigit = e;
        while (e < s.size() && isDigit(s[e]))
            exponent += s[e++];
        if (e > firstDigit) {
            text += exponent;
            pos = e;
        }
    }
    const double value = text.toDouble();
    if (!std::isfinite(value))
        overflow();
    return value;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

double Val(QStringView text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c;
    }
    qsizetype pos = 0;
    if (auto v = radixPrefix(s, pos))
        return *v;
    return decimalPrefix(s, pos);
}

double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return floor + 1.0;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

qint16 toInt16(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<qint16>::min() && r <= std::numeric_limits<qint16>::max()))
        overflow();
    return qint16(r);
}

qint32 toInt32(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<qint32>::min() && r <= std::numeric_limits<qint32>::max()))
        overflow();
    return qint32(r);
}

qint16 textToInt16(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView s = text.sliced(begin, end - begin);
    qsizetype pos = 0;
    std::optional<double> value = radixPrefix(s, pos);
    if (!value)
        value = decimalPrefix(s, pos);
    if (pos == 0 || pos != s.size())
        raise(ErrNo::TypeMismatch,
              QStringLiteral("Type mismatch: \"%1\" is not a number.").arg(text.toString()));
    return toInt16(*value);
}

qint32 intDivide(double a, double b) {
    const qint32 dividend = toInt32(a);
    const qint32 divisor = toInt32(b);
    if (divisor == 0)
        raise(ErrNo::DivisionByZero, QStringLiteral("Division by zero."));
    if (dividend == std::numeric_limits<qint32>::min() && divisor == -1)
        overflow();
    return dividend / divisor;
}

qint16 add16(qint16 a, qint16 b) {
    const int sum = int(a) + int(b);
    if (sum < std::numeric_limits<qint16>::min() || sum > std::numeric_limits<qint16>::max())
        overflow();
    return qint16(sum);
}

QString numberText(qint32 value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

} // namespace zavolin
