// The profile-string reader's rules on small files.

#include "platform/compat/ProfileString.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

TEST(ProfileString, SectionsAndKeysMatchWithoutCaseAndBlanks) {
    const QString file = fileWith("[Other]\r\n"
                                  "key = other section\r\n"
                                  "  [ Lang ]  \r\n"
                                  "\t KEY \t=\t value with  inner blanks \t \r\n"
                                  "key = second one loses\r\n"
                                  "no equals sign here\r\n"
                                  "eq = a = b\n"
                                  "empty =\t\r\n");
    EXPECT_EQ(profileString("lang", "Key", "-", file), QStringLiteral("value with  inner blanks"));
    EXPECT_EQ(profileString("LANG", "eq", "-", file), QStringLiteral("a = b"));
    EXPECT_EQ(profileString("Lang", "empty", "default", file), QString());
    EXPECT_EQ(profileString("other", "key", "-", file), QStringLiteral("other section"));
    EXPECT_EQ(profileString("Lang", "no equals sign here", "-", file), QStringLiteral("-"));
    EXPECT_EQ(profileString("Missing", "key", "-", file), QStringLiteral("-"));
}

TEST(ProfileString, DefaultLosesItsTrailingBlanksOnly) {
    const QString file = fileWith("[a]\r\n");
    EXPECT_EQ(profileString("a", "k", "  text  ", file), QStringLiteral("  text"));
    EXPECT_EQ(profileString("a", "k", QString(255, u' '), file), QString());
    EXPECT_EQ(profileString("a", "k", "x", file + ".missing"), QStringLiteral("x"));
}

TEST(ProfileString, DecodesWindows1252) {
    const QString file = fileWith("[a]\r\nk = \x80 \xFC\xF1\xE9\xF3\xE1 \x93q\x94 \xB4\r\n");
    EXPECT_EQ(profileString("a", "k", "", file), QStringLiteral("€ üñéóá “q” ´"));
}

TEST(ProfileString, FillsTheBufferLikeTheCCall) {
    const QString file = fileWith("[a]\r\nk = abcdefgh\r\n");
    QString buffer(10, u' ');
    EXPECT_EQ(GetPrivateProfileStringA("a", "k", "", buffer, 10, file), 8);
    EXPECT_EQ(buffer, QStringLiteral("abcdefgh") + QChar(0) + u' ');

    // Too small: cut to size - 1 characters and a NUL, the count is size - 1.
    buffer = QString(10, u'.');
    EXPECT_EQ(GetPrivateProfileStringA("a", "k", "", buffer, 5, file), 4);
    EXPECT_EQ(buffer, QStringLiteral("abcd") + QChar(0) + QStringLiteral("....."));

    // The default of all blanks may be the buffer itself.
    buffer = QString(255, u' ');
    EXPECT_EQ(GetPrivateProfileStringA("a", "missing", buffer, buffer, 255, file), 0);
    EXPECT_EQ(buffer[0], QChar(0));

    buffer.clear();
    EXPECT_EQ(GetPrivateProfileStringA("a", "k", "", buffer, 0, file), 0);
    EXPECT_TRUE(buffer.isEmpty());
}
