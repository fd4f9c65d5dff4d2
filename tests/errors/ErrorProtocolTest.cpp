#include "errors/ErrorProtocol.h"

#include "ErrorFakes.h"
#include "errors/ProtocolMessages.h"
#include "errors/ProtocolPrint.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

const QString Sep(70, QLatin1Char('-'));
const QString Ind(10, QLatin1Char(' '));

ProtocolFields sampleFields() {
    ProtocolFields f;
    f.progInfoCaption = QStringLiteral("Programm-Info:");
    f.progInfo = QStringLiteral("Zavolin  V2.22.272");
    f.errorCaption = QStringLiteral("Fehlerbeschreibung / error description:");
    f.titles = {QStringLiteral("Fehler-Nr / error :"), QStringLiteral("Modul:"),
                QStringLiteral("Prozedur / procedure:"), QStringLiteral("Zeile / Line:")};
    f.values = {QStringLiteral("429 (Component can't create object)"), QStringLiteral("modRegDLL"),
                QStringLiteral("RegServe"), QStringLiteral("50080")};
    f.time = FixedClock().time;
    f.os = windowsXp();
    return f;
}

QStringList linesOf(const QString& protocol) {
    EXPECT_TRUE(protocol.endsWith(QStringLiteral("\r\n")));
    QStringList lines = protocol.split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the last line end
    return lines;
}

} // namespace

TEST(ErrorProtocol, HasItsEighteenLinesExactly) {
    const QString protocol = buildProtocol(sampleFields());
    const QStringList expected{
        Sep,
        QStringLiteral("F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L"),
        Sep,
        QStringLiteral("PROGRAMM-INFO:"),
        Ind + QStringLiteral("Zavolin  V2.22.272"),
        Sep,
        QStringLiteral("FEHLERBESCHREIBUNG / ERROR DESCRIPTION:"),
        Ind + QStringLiteral("Fehler-Nr / error :\t429 (Component can't create object)"),
        Ind + QStringLiteral("Modul:\tmodRegDLL"),
        Ind + QStringLiteral("Prozedur / procedure:\tRegServe"),
        Ind + QStringLiteral("Zeile / Line:\t50080"),
        Ind + QStringLiteral("Datum/Uhrzeit (Date/Time):\t03-07-2024 / 09:05:03"),
        Sep,
        QStringLiteral("SYSTEMINFO:"),
        Ind + QStringLiteral("Plattform/Environment:\tWindows NT"),
        Ind + QStringLiteral("Version:\t5.1"),
        Ind + QStringLiteral("Build:\t2600   Service Pack 2"),
        Sep,
    };
    EXPECT_EQ(linesOf(protocol), expected);
    // No bare line feeds or carriage returns inside the lines.
    EXPECT_EQ(protocol.count(QLatin1Char('\n')), 18);
    EXPECT_EQ(protocol.count(QLatin1Char('\r')), 18);
}

TEST(ErrorProtocol, UnnamedPlatformStillEndsItsLine) {
    ProtocolFields f = sampleFields();
    f.os.platform.clear();
    const QStringList lines = linesOf(buildProtocol(f));
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[14], Ind + QStringLiteral("Plattform/Environment:\tunknown"));
    EXPECT_EQ(lines[15], Ind + QStringLiteral("Version:\t5.1"));
}

TEST(ErrorProtocol, ServicePackIsCutAtItsFirstNulAndUntrustedWithoutOne) {
    EXPECT_EQ(LPSTRToVBString(QByteArray("SP3\0junk", 8)), QStringLiteral("SP3"));
    EXPECT_EQ(LPSTRToVBString(QByteArray(128, 'x')), QString());
    EXPECT_EQ(LPSTRToVBString(QByteArray(128, '\0')), QString());

    ProtocolFields f = sampleFields();
    f.os.servicePack = QByteArray(128, 'x');
    f.os.build = 0xFFFF0001u;
    EXPECT_EQ(linesOf(buildProtocol(f))[16], Ind + QStringLiteral("Build:\t1   "));
}

TEST(ProtocolPrint, WrapsAtSeventyThreeWithIndentedContinuation) {
    QStringList words;
    for (int i = 0; i < 10; ++i)
        words << QString(9, QChar(u'a' + i));
    const QStringList lines = printerLines(words.join(QLatin1Char(' ')) + QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], words.mid(0, 7).join(QLatin1Char(' ')) + QLatin1Char(' '));
    EXPECT_EQ(lines[0].size(), 70);
    EXPECT_EQ(lines[1], QString(20, QLatin1Char(' ')) + words.mid(7).join(QLatin1Char(' ')) +
                            QLatin1Char(' '));
    // The extra line end taken on at the start prints as a line of one blank.
    EXPECT_EQ(lines[2], QStringLiteral(" "));
}

TEST(ProtocolPrint, LongWordStandsWholeOnItsOwnLineAndTabsBelongToWords) {
    const QString longWord(80, QLatin1Char('x'));
    const QStringList lines =
        printerLines(QStringLiteral("ab\tcd ") + longWord + QStringLiteral(" ef\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("ab\tcd "));
    EXPECT_EQ(lines[1], QString(20, QLatin1Char(' ')) + longWord + QLatin1Char(' '));
    EXPECT_EQ(lines[2], QString(20, QLatin1Char(' ')) + QStringLiteral("ef "));
}

TEST(ProtocolPrint, WholeProtocolKeepsOneLinePerProtocolLine) {
    const QStringList lines = printerLines(buildProtocol(sampleFields()));
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines.first(), Sep + QLatin1Char(' '));
    EXPECT_EQ(lines[17], Sep + QLatin1Char(' '));
}

TEST(ProtocolMessages, TextsAreExactWithTheProtocolWordMended) {
    const QString file = QStringLiteral("/opt/zavolin/Zavolin.ERR");
    EXPECT_EQ(overwriteQuestion(file),
              QStringLiteral("Vorhandene Datei '/opt/zavolin/Zavolin.ERR' überschreiben?\n"
                             "Overwrite file '/opt/zavolin/Zavolin.ERR' ?"));
    EXPECT_EQ(protocolSavedReport(file),
              QStringLiteral("Das Fehlerprotokoll wurde in die Datei '/opt/zavolin/Zavolin.ERR' "
                             "geschrieben!\nError protocoll was written to file "
                             "'/opt/zavolin/Zavolin.ERR'!"));
    const QStringList mail = mailNotice().split(QLatin1Char('\n'));
    ASSERT_EQ(mail.size(), 12);
    EXPECT_TRUE(mail[0].endsWith(QStringLiteral("sowie das Fehlerprotokoll")));
    EXPECT_EQ(mail[2], QString());
    EXPECT_EQ(mail[6], QString());
    EXPECT_EQ(mail[7], QString());
    EXPECT_EQ(mail[9], QString());
    EXPECT_EQ(mail[10], QStringLiteral("Please insert the contents of the clipboard into the "
                                       "message body by using Ctrl + V or "));
    EXPECT_EQ(mail[11], QStringLiteral("use the menu or toolbar command of your email program. "));
}
