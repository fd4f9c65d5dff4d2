// Text lookup through the extracted table, and the other general procedures: the temporary
// directory with its separator and cutting a text at its first NUL.

#include "lang/Allgemein.h"
#include "lang/LangState.h"
#include "support/LangFixture.h"
#include "support/TestEnvironment.h"

using namespace zavolin;
using namespace zavolin::test;

namespace {

using GetLangTest = LangTest;

QString lookUp(qint16 base, qint16 number) {
    LangBase = base;
    return GetLang(qint16(LangBase + number));
}

} // namespace

TEST_F(GetLangTest, EveryTextInEveryLanguageComesBackAsStored) {
    for (const TableText& text : expectedTexts()) {
        for (int language = 0; language < 4; ++language) {
            SCOPED_TRACE(language * 1000 + text.number);
            EXPECT_EQ(lookUp(qint16(language * 1000), text.number), text.texts[language]);
        }
    }
}

TEST_F(GetLangTest, EdgeCasesOfTheTable) {
    // Section "[lang]" is asked for as "Lang"; the German keys start with a zero; the TAB at
    // the end of the line is not part of the text.
    EXPECT_EQ(lookUp(0, 103), QStringLiteral("Drucken"));
    EXPECT_EQ(lookUp(1000, 106), QStringLiteral("Front"));
    EXPECT_EQ(lookUp(2000, 111), QStringLiteral("Configurar impresión..."));
    EXPECT_EQ(lookUp(3000, 106), QString());
    for (qint16 base : {0, 1000, 2000, 3000})
        EXPECT_TRUE(lookUp(base, 116).endsWith(QStringLiteral(" README.HTM!")));
}

TEST_F(GetLangTest, MissingKeysAndUnknownLanguagesGiveEmptyTexts) {
    EXPECT_EQ(lookUp(0, 104), QString());
    EXPECT_EQ(lookUp(0, 999), QString());
    EXPECT_EQ(lookUp(4000, 103), QString());
    EXPECT_EQ(lookUp(500, 103), QString());
    EXPECT_EQ(GetLang(-1), QString());
}

TEST_F(GetLangTest, AMissingTableGivesEmptyTextsWithoutReport) {
    LangFile += QStringLiteral(".gone");
    EXPECT_EQ(lookUp(0, 103), QString());
}

TEST_F(GetLangTest, LookupsReadTheFileEachTime) {
    EXPECT_EQ(lookUp(0, 103), QStringLiteral("Drucken"));
    LangFile = fileWith("[Lang]\r\n0103=Neu\r\n");
    EXPECT_EQ(lookUp(0, 103), QStringLiteral("Neu"));
}

TEST_F(GetLangTest, TextsAreCutTo254Characters) {
    const QByteArray text(300, 'x');
    LangFile = fileWith("[lang]\r\n0103 = " + text + "\r\n0105 = " + text.left(254) + "\r\n");
    EXPECT_EQ(lookUp(0, 103), QString(254, u'x'));
    EXPECT_EQ(lookUp(0, 105), QString(254, u'x'));
}

TEST(TempDirectory, GetTempDirReturnsTheRuntimeDirectoryWithItsSeparator) {
    // The test environment provides a private runtime directory.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    ASSERT_FALSE(runtime.isEmpty());
    EXPECT_EQ(GetTempDir(), runtime + QLatin1Char('/'));
}

TEST(TrimNull, CutsAtTheFirstNul) {
    EXPECT_EQ(TrimNull(QStringLiteral("abc") + QChar(0) + QStringLiteral("d") + QChar(0)),
              QStringLiteral("abc"));
    EXPECT_EQ(TrimNull(QChar(0) + QStringLiteral("abc")), QString());
    EXPECT_EQ(TrimNull(QStringLiteral("no nul  ")), QStringLiteral("no nul  "));
    EXPECT_EQ(TrimNull(QString()), QString());
}
