// The main window's texts and the toolbar's language switch.

#include "app/MainWindowCaptions.h"
#include "errors/Trap.h"
#include "lang/LangState.h"
#include "support/LangFixture.h"
#include "support/ScriptedReporter.h"
#include "ui_frmZavolin.h"

#include <QMainWindow>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class CaptionsTest : public LangTest {
protected:
    void SetUp() override {
        LangTest::SetUp();
        ui.setupUi(&window);
        // A handler connected to the list as the program connects it must stay quiet while
        // the captions refill the list; only the explicit call counts.
        QObject::connect(ui.cmbSide, &QComboBox::currentIndexChanged, &window,
                         [this] { ++signalled; });
    }

    void sprache() {
        Sprache(ui, [this] {
            ++sideHandler;
            sideWhenHandled = ui.cmbSide->currentIndex();
        });
    }

    QStringList sideEntries() const {
        QStringList entries;
        for (int i = 0; i < ui.cmbSide->count(); ++i)
            entries << ui.cmbSide->itemText(i);
        return entries;
    }

    QMainWindow window;
    Ui::frmZavolin ui;
    int sideHandler = 0;
    int sideWhenHandled = -1;
    int signalled = 0;
};

} // namespace

TEST_F(CaptionsTest, GermanTextsAndTheFrontSideSelectedOnce) {
    sprache();
    EXPECT_EQ(sideEntries(), QStringList({"Vorderseite", "Rückseite"}));
    EXPECT_EQ(ui.cmbSide->currentIndex(), 0);
    EXPECT_EQ(sideHandler, 1);
    EXPECT_EQ(sideWhenHandled, 0);
    EXPECT_EQ(signalled, 0);
    EXPECT_EQ(ui.PicBut_0->toolTip(), QStringLiteral("Drucken"));
    EXPECT_EQ(ui.PicBut_1->toolTip(), QStringLiteral("Ausdruck justieren..."));
    EXPECT_EQ(ui.PicBut_2->toolTip(), QStringLiteral("Programm beenden"));
    EXPECT_EQ(ui.PicBut_3->toolTip(), QStringLiteral("Hilfe..."));
    EXPECT_EQ(ui.Label3->text(), QStringLiteral("Kopien:"));
    EXPECT_EQ(ui.mnuEMail->text(), QStringLiteral("&E-Mail an Quorvex"));
    EXPECT_EQ(ui.mnuHomepage->text(), QStringLiteral("&Quorvex's Homepage"));
    EXPECT_EQ(ui.mnuUeber->text(), QStringLiteral("&Über..."));
    EXPECT_EQ(ui.optIndex_0->text(), QStringLiteral("Münzen"));
    // The fixed tips of the language buttons stay.
    EXPECT_EQ(ui.PicBut_12->toolTip(), QStringLiteral("Español"));
}

TEST_F(CaptionsTest, EnglishFromTheBackSideFallsBackToTheFront) {
    sprache();
    ui.cmbSide->setCurrentIndex(1);
    signalled = 0;
    sideHandler = 0;
    LangBase = 1000;
    sprache();
    EXPECT_EQ(sideEntries(), QStringList({"Front", "Back"}));
    EXPECT_EQ(ui.cmbSide->currentIndex(), 0);
    EXPECT_EQ(sideHandler, 1);
    EXPECT_EQ(signalled, 0);
    EXPECT_EQ(ui.Label3->text(), QStringLiteral("Copies:"));
    EXPECT_EQ(ui.optIndex_0->text(), QStringLiteral("Coins"));
    EXPECT_EQ(ui.mnuEMail->text(), QStringLiteral("&Email to Quorvex"));
    EXPECT_EQ(ui.mnuHomepage->text(), QStringLiteral("&Quorvex's homepage"));
    EXPECT_EQ(ui.mnuUeber->text(), QStringLiteral("&About..."));
}

TEST_F(CaptionsTest, ItalianLeavesTheTextsItLacksEmpty) {
    LangBase = 3000;
    sprache();
    EXPECT_EQ(sideEntries(), QStringList({"", ""}));
    EXPECT_EQ(sideHandler, 1);
    EXPECT_EQ(ui.PicBut_0->toolTip(), QString());
    EXPECT_EQ(ui.PicBut_1->toolTip(), QString());
    EXPECT_EQ(ui.Label3->text(), QString());
    EXPECT_EQ(ui.PicBut_2->toolTip(), QStringLiteral("Finire il gioco"));
    EXPECT_EQ(ui.PicBut_3->toolTip(), QStringLiteral("Aiuto..."));
    EXPECT_EQ(ui.mnuHomepage->text(), QStringLiteral("&Quorvex´s homepage"));
}

TEST_F(CaptionsTest, AKeyOverflowIsReportedAtEachStatement) {
    LangBase = 32700;
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> answers(reporter);
    sprache();
    QList<qint32> lines;
    for (const Report& report : reporter.reports) {
        EXPECT_EQ(report.module, QStringLiteral("frmZavolin"));
        EXPECT_EQ(report.procedure, QStringLiteral("Sprache"));
        lines << report.line;
    }
    // Both entries fail to be added, so selecting one fails too; ignoring it still goes on.
    EXPECT_EQ(lines, QList<qint32>({30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 140, 150}));
    EXPECT_EQ(reporter.reports[0].number, ErrNo::Overflow);
    EXPECT_EQ(reporter.reports[2].number, ErrNo::InvalidPropertyValue);
    EXPECT_EQ(sideHandler, 0);
}

TEST_F(CaptionsTest, TheLanguageButtonsSwitchAndStoreEvenTheLanguageShown) {
    sprache();
    sideHandler = 0;
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PicBut_click"));
    trap.run([&] { switchLanguage(trap, 11, ui, [this] { ++sideHandler; }); });
    EXPECT_EQ(LangBase, 1000);
    EXPECT_EQ(ui.Label3->text(), QStringLiteral("Copies:"));
    EXPECT_EQ(sideHandler, 1);
    EXPECT_EQ(settings.writes, QStringList{QStringLiteral("Sprache= 1000")});

    trap.run([&] { switchLanguage(trap, 11, ui, [this] { ++sideHandler; }); });
    EXPECT_EQ(sideHandler, 2);
    EXPECT_EQ(settings.writes.size(), 2);

    trap.run([&] { switchLanguage(trap, 10, ui, {}); });
    EXPECT_EQ(LangBase, 0);
    EXPECT_EQ(ui.Label3->text(), QStringLiteral("Kopien:"));
    EXPECT_EQ(settings.values.value(QStringLiteral("Sprache")), QStringLiteral(" 0"));
}

TEST_F(CaptionsTest, AStoreThatFailsIsReportedAtLine370) {
    class FailingStore : public SettingsStore {
    public:
        QString text(const QString&, const QString& defaultText) override { return defaultText; }
        void setText(const QString&, const QString&) override {
            raise(ErrNo::PathFileAccessError, QStringLiteral("cannot store"));
        }
    } failing;
    ScopedReplacement<SettingsStore> store(failing);
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> answers(reporter);
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PicBut_click"));
    trap.run([&] { switchLanguage(trap, 12, ui, {}); });
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].procedure, QStringLiteral("PicBut_click"));
    EXPECT_EQ(reporter.reports[0].line, 370);
    EXPECT_EQ(LangBase, 2000);
    EXPECT_EQ(ui.Label3->text(), QStringLiteral("Copias:"));
}
