#include "platform/compat/Conversions.h"

#include "platform/base/RuntimeError.h"

#include <gtest/gtest.h>

using namespace zavolin;

namespace {

qint32 errorNumberOf(auto&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(Val, ReadsTheNumberAtTheStartOfTheText) {
    EXPECT_EQ(Val(u"11"), 11);
    EXPECT_EQ(Val(u"10.5"), 10.5);
    EXPECT_EQ(Val(u"1e2"), 100);
    EXPECT_EQ(Val(u"1D2"), 100);
    EXPECT_EQ(Val(u"2.5E-1x"), 0.25);
    EXPECT_EQ(Val(u"1e"), 1);
    EXPECT_EQ(Val(u"12 abc"), 12);
    EXPECT_EQ(Val(u"-3"), -3);
    EXPECT_EQ(Val(u"+7"), 7);
    EXPECT_EQ(Val(u".5"), 0.5);
    EXPECT_EQ(Val(u"1.2.3"), 1.2);
}

TEST(Val, SkipsBlanksTabsAndLineFeedsWhereverTheyStand) {
    EXPECT_EQ(Val(u"1 1"), 11);
    EXPECT_EQ(Val(u" \t- 3\n0"), -30);
}

TEST(Val, CommaIsNoDecimalSeparator) {
    EXPECT_EQ(Val(u"10,5"), 10);
}

TEST(Val, TextWithoutANumberIsZero) {
    EXPECT_EQ(Val(u""), 0);
    EXPECT_EQ(Val(u"abc"), 0);
    EXPECT_EQ(Val(u"-"), 0);
    EXPECT_EQ(Val(u"."), 0);
    EXPECT_EQ(Val(u"&H"), 0);
}

TEST(Val, ReadsHexadecimalAndOctal) {
    EXPECT_EQ(Val(u"&HB"), 11);
    EXPECT_EQ(Val(u"&hff"), 255);
    EXPECT_EQ(Val(u"&HFFFF"), -1);
    EXPECT_EQ(Val(u"&H10000"), 65536);
    EXPECT_EQ(Val(u"&O17"), 15);
    EXPECT_EQ(Val(u"&17"), 15);
    EXPECT_EQ(Val(u"&H1G"), 1);
}

TEST(Val, HugeExponentOverflows) {
    EXPECT_EQ(errorNumberOf([] { Val(u"1e999"); }), ErrNo::Overflow);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(52.5), 52);
    EXPECT_EQ(roundHalfEven(36.4), 36);
    EXPECT_EQ(roundHalfEven(4.99), 5);
    EXPECT_EQ(roundHalfEven(0.5), 0);
}

TEST(TextToInt16, SkipsLeadingBlanks) {
    EXPECT_EQ(textToInt16(u" 2000"), 2000);
    EXPECT_EQ(textToInt16(u"-3"), -3);
    EXPECT_EQ(textToInt16(u"0"), 0);
    EXPECT_EQ(textToInt16(u"32767"), 32767);
    EXPECT_EQ(textToInt16(u"-32768"), -32768);
    EXPECT_EQ(textToInt16(u"2.5"), 2);
}

TEST(TextToInt16, TextThatIsNoNumberIsATypeMismatch) {
    for (const char16_t* text : {u"", u"abc", u"12abc", u" ", u"-", u"1 2"})
        EXPECT_EQ(errorNumberOf([&] { textToInt16(text); }), ErrNo::TypeMismatch)
            << QString::fromUtf16(text).toStdString();
}

TEST(TextToInt16, NumberOutOfRangeOverflows) {
    EXPECT_EQ(errorNumberOf([] { textToInt16(u"32768"); }), ErrNo::Overflow);
    EXPECT_EQ(errorNumberOf([] { textToInt16(u"-32769"); }), ErrNo::Overflow);
}

TEST(IntDivide, RoundsBothOperandsThenTruncates) {
    EXPECT_EQ(intDivide(275, 36.4), 7);
    EXPECT_EQ(intDivide(275, 52.5), 5);
    EXPECT_EQ(intDivide(275, 27), 10);
    EXPECT_EQ(intDivide(-7, 2), -3);
    EXPECT_EQ(intDivide(6.8, 2), 3); // 6.8 rounds to 7
    EXPECT_EQ(errorNumberOf([] { intDivide(5, 0.4); }), ErrNo::DivisionByZero);
    EXPECT_EQ(errorNumberOf([] { intDivide(1e12, 1); }), ErrNo::Overflow);
}

TEST(Add16, RaisesOverflowInsteadOfWrapping) {
    EXPECT_EQ(add16(3000, 139), 3139);
    EXPECT_EQ(errorNumberOf([] { add16(32000, 1000); }), ErrNo::Overflow);
    EXPECT_EQ(errorNumberOf([] { add16(-32000, -1000); }), ErrNo::Overflow);
}

TEST(NumberText, PutsABlankInThePlaceOfThePlusSign) {
    EXPECT_EQ(numberText(1000), QStringLiteral(" 1000"));
    EXPECT_EQ(numberText(0), QStringLiteral(" 0"));
    EXPECT_EQ(numberText(-3), QStringLiteral("-3"));
}

TEST(ToInt16, RoundsHalfEvenAndChecksTheRange) {
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(errorNumberOf([] { toInt16(40000); }), ErrNo::Overflow);
}
