// The language table's raw bytes, as embedded and as committed.

#include "support/LangFixture.h"

#include <QRegularExpression>

using namespace zavolin::test;

namespace {

QList<QByteArray> linesOf(const QByteArray& bytes) {
    QByteArray text = bytes;
    text.chop(3); // the three NULs
    QList<QByteArray> lines = text.split('\n');
    EXPECT_TRUE(lines.last().isEmpty()); // the last line ends in CR LF too
    lines.removeLast();
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r')) << line.constData();
        line.chop(1);
    }
    return lines;
}

} // namespace

TEST(LangTable, IsWindows1252WithCrLfAndThreeNulsAtTheEnd) {
    const QByteArray bytes = tableBytes();
    ASSERT_TRUE(bytes.startsWith("[lang]\r\n"));
    ASSERT_TRUE(bytes.endsWith(QByteArray("\r\n\0\0\0", 5)));
    EXPECT_EQ(bytes.count('\0'), 3);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));

    // Accented letters are single bytes of the code page, never UTF-8 sequences.
    EXPECT_TRUE(bytes.contains("0107 = R\xFC"
                               "ckseite"));
    EXPECT_TRUE(bytes.contains("0137 = &\xDC"
                               "ber..."));
    EXPECT_TRUE(bytes.contains("0139 = M\xFC"
                               "nzen"));
    EXPECT_TRUE(bytes.contains("2111 = Configurar impresi\xF3"
                               "n..."));
    EXPECT_TRUE(bytes.contains("2116 = Para m\xE1"
                               "s informaci\xF3"
                               "n vea: README.HTM!"));
    EXPECT_TRUE(bytes.contains("2136 = &P\xE1"
                               "gina Web de Quorvex"));
    EXPECT_TRUE(bytes.contains("3136 = &Quorvex\xB4"
                               "s homepage"));
    EXPECT_FALSE(bytes.contains('\xC3'));
    EXPECT_FALSE(bytes.contains('\xC2'));

    // The TAB after the German print text is part of the line, not of the text.
    EXPECT_TRUE(bytes.contains("\r\n0103 = Drucken\t\r\n"));
}

TEST(LangTable, HoldsOneEntryPerTextAndLanguageInOrder) {
    const QList<QByteArray> lines = linesOf(tableBytes());
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), "[lang]");

    const QRegularExpression entry(QStringLiteral("^(\\d{4}) = ([^\\t]*)\\t?$"));
    QStringList keys;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = QString::fromLatin1(lines[i]);
        const auto match = entry.match(line);
        ASSERT_TRUE(match.hasMatch()) << lines[i].constData();
        keys << match.captured(1);
    }
    QStringList expected;
    for (const TableText& text : expectedTexts())
        for (int language = 0; language < 4; ++language)
            expected << QStringLiteral("%1").arg(language * 1000 + text.number, 4, 10, QChar(u'0'));
    EXPECT_EQ(keys, expected);
}
