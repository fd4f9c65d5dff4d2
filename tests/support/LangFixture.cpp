#include "LangFixture.h"

#include "lang/Allgemein.h"
#include "lang/LangState.h"
#include "lang/ModResFiles.h"
#include "resources/ProgramResources.h"
#include "support/TestEnvironment.h"

#include <QFile>

namespace zavolin::test {

void LangTest::SetUp() {
    m_savedBase = LangBase;
    m_savedFile = LangFile;
    m_savedStore = SettingsStore::replacement();
    SettingsStore::replace(&settings);
    LangBase = 0;
    LangFile = freshDirectory(QStringLiteral("lang")) + QLatin1Char('/') +
               QString::fromLatin1(LangFileName);
    SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), LangFile);
}

void LangTest::TearDown() {
    SettingsStore::replace(m_savedStore);
    LangBase = m_savedBase;
    LangFile = m_savedFile;
}

QByteArray tableBytes() {
    initProgramResources();
    QFile resource(QStringLiteral(":/CUSTOM/1000"));
    EXPECT_TRUE(resource.open(QIODevice::ReadOnly));
    return resource.readAll();
}

// Written out here, apart from the table's generator, as the texts the program must show.
const QList<TableText>& expectedTexts() {
    static const QList<TableText> texts = {
        {103, {"Drucken", "Print", "Imprimir", ""}},
        {105, {"Programm beenden", "Program end", "Fin del programa", "Finire il gioco"}},
        {106, {"Vorderseite", "Front", "Anverso", ""}},
        {107, {"Rückseite", "Back", "Reverso", ""}},
        {108, {"Kopien:", "Copies:", "Copias:", ""}},
        {109, {"Nach unten verschieben:", "Move down:", "Rodar hacia abajo:", ""}},
        {110, {"Nach rechts verschieben:", "Move right:", "Rodar a la derecha:", ""}},
        {111, {"Ausdruck justieren...", "Justify printout...", "Configurar impresión...", ""}},
        {116,
         {"Weitere Informationen siehe README.HTM!", "For more information see README.HTM!",
          "Para más información vea: README.HTM!", "Altre Informazioni vedi in README.HTM!"}},
        {134, {"Hilfe...", "Help...", "Ayuda...", "Aiuto..."}},
        {135,
         {"&E-Mail an Quorvex", "&Email to Quorvex", "&Email a Quorvex",
          "Posta &elettronica a Quorvex"}},
        {136,
         {"&Quorvex's Homepage", "&Quorvex's homepage", "&Página Web de Quorvex",
          "&Quorvex´s homepage"}},
        {137, {"&Über...", "&About...", "&Acerca de...", "&Sopra"}},
        {139, {"Münzen", "Coins", "Monedas", ""}},
    };
    return texts;
}

} // namespace zavolin::test
