#pragma once

#include <QString>
#include <QStringView>

namespace zavolin {

// The number at the start of a text: blanks, tabs and line feeds are skipped wherever they
// stand; a sign, digits, one decimal point and an exponent (E or D) are read up to the first
// character that cannot continue the number; &H and &O read hexadecimal and octal integers.
// A text that does not start with a number is 0. Raises Overflow for a number out of range.
double Val(QStringView text);

// Rounds to the nearest whole number, ties to the even neighbour.
double roundHalfEven(double value);

// A number rounded half to even into a 16-bit or 32-bit integer; Overflow when out of range.
qint16 toInt16(double value);
qint32 toInt32(double value);

// A stored text as a 16-bit integer: leading and trailing blanks are skipped, a text that is
// not a number raises TypeMismatch, a number outside -32768..32767 raises Overflow.
qint16 textToInt16(QStringView text);

// The integer division "a \ b": both operands rounded half to even to 32-bit integers, the
// quotient truncated towards zero. Raises DivisionByZero and Overflow.
qint32 intDivide(double a, double b);

// 16-bit sum that raises Overflow instead of wrapping, as text keys are formed.
qint16 add16(qint16 a, qint16 b);

// A number as text with a blank in the place of the sign when it is not negative (" 1000").
QString numberText(qint32 value);

} // namespace zavolin
