// The numeric conversions: the input as typed text (the copies box, stored numbers) and, where
// it is long enough, as the doubles and integers that reach the rounding and integer calls.
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "platform/base/RuntimeError.h"
#include "platform/compat/Conversions.h"

#include <cmath>
#include <cstring>

namespace zavolin::fuzz {
namespace {

void checkRounding(double value) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(value))
        return;
    check(r == std::floor(r), "a rounded number is not whole");
    check(std::abs(r - value) <= 0.5, "rounding moved a number by more than a half");
    if (std::abs(r - value) == 0.5)
        check(std::fmod(r, 2.0) == 0.0, "a tie was not rounded to the even neighbour");
}

void checkText(const QString& text) {
    expectRuntimeErrors({ErrNo::Overflow}, [&] {
        const double value = Val(text);
        check(std::isfinite(value), "Val gave a number that is not finite");
        checkRounding(value);
    });
    // The print command's copies: the box's text as it reads it, and its check for more than 10.
    expectRuntimeErrors({ErrNo::Overflow}, [&] { (void)toInt32(roundHalfEven(Val(text))); });
    expectRuntimeErrors({ErrNo::Overflow}, [&] { (void)(Val(text) > 10); });
    expectRuntimeErrors({ErrNo::Overflow, ErrNo::TypeMismatch}, [&] {
        const qint16 n = textToInt16(text);
        check(textToInt16(numberText(n)) == n, "a stored number does not read back");
    });
}

template <typename T>
T take(const uint8_t*& data, size_t& size) {
    T value{};
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
    return value;
}

} // namespace

int fuzzOneConversions(const uint8_t* data, size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    checkText(QString::fromUtf8(bytes));
    checkText(QString::fromLatin1(bytes));
    if (size < 2 * sizeof(double) + 2 * sizeof(qint16) + sizeof(qint32))
        return 0;
    const auto a = take<double>(data, size);
    const auto b = take<double>(data, size);
    const auto x = take<qint16>(data, size);
    const auto y = take<qint16>(data, size);
    const auto n = take<qint32>(data, size);
    checkRounding(a);
    expectRuntimeErrors({ErrNo::Overflow}, [&] { (void)toInt16(a); });
    expectRuntimeErrors({ErrNo::Overflow}, [&] { (void)toInt32(a); });
    expectRuntimeErrors({ErrNo::Overflow, ErrNo::DivisionByZero}, [&] { (void)intDivide(a, b); });
    expectRuntimeErrors({ErrNo::Overflow},
                        [&] { check(add16(x, y) == int(x) + int(y), "a 16-bit sum is wrong"); });
    check(numberText(n).trimmed().toInt() == n, "a number's text does not read back");
    expectRuntimeErrors({ErrNo::Overflow}, [&] { check(Val(numberText(n)) == n, "Val misreads"); });
    return 0;
}

} // namespace zavolin::fuzz
