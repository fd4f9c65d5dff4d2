// The toolbar and the help menu.
#include "WindowFixture.h"
#include "app/PreviewBox.h"
#include "app/frmPrintSet.h"
#include "lang/LangState.h"
#include "platform/base/ProgramInfo.h"
#include "support/ScriptedReporter.h"
#include "ui_frmZavolin.h"

#include <QComboBox>
#include <QUrl>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class Commands : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        add("ZavolinAccepted.dll");
        window = load();
        printer.calls.clear();
    }

    // Prints with that copies text; the printer's own count is 2.
    void print(const QString& copies) {
        printer.count = 2;
        printer.calls.clear();
        printer.countAtEndDoc = -1;
        window->ui().txtCopy->setText(copies);
        window->PicBut_click(0);
    }

    std::unique_ptr<frmZavolin> window;
};

} // namespace

TEST_F(Commands, PrintingSetsTheCopiesOpensTheJobInGreyPaintsAndRestoresTheCount) {
    window->ui().optIndex_1->click();
    printer.linesDrawn = printer.pictures = 0;
    print("3");
    EXPECT_EQ(printer.calls,
              QStringList({"copies 3", "line ''", "colour #c0c0c0", "endDoc", "copies 2"}));
    EXPECT_EQ(printer.countAtEndDoc, 3);
    EXPECT_EQ(printer.count, 2);
    // One page of notes at true size: as many pictures as rows.
    EXPECT_EQ(printer.pictures, int(window->Geometry.RowsPerPage));
    EXPECT_GT(printer.linesDrawn, 0);
}

TEST_F(Commands, TheCopiesAreRoundedHalfToEven) {
    print("2.5");
    EXPECT_EQ(printer.countAtEndDoc, 2);
    print("3.5");
    EXPECT_EQ(printer.countAtEndDoc, 4);
}

TEST_F(Commands, ARefusedCountLeavesThePrintersOwnWithoutAMessage) {
    for (const char* copies : {"0", "-3", "Kopien", ""}) {
        SCOPED_TRACE(copies);
        print(QString::fromLatin1(copies));
        EXPECT_EQ(printer.countAtEndDoc, 2);
        EXPECT_EQ(printer.calls, QStringList({"line ''", "colour #c0c0c0", "endDoc", "copies 2"}));
    }
    EXPECT_EQ(messages.informed, QStringList());
}

TEST_F(Commands, TheCoinSheetPrintsItsStrips) {
    window->ui().optIndex_0->click();
    printer.pictures = 0;
    print("1");
    EXPECT_EQ(printer.countAtEndDoc, 1);
    EXPECT_EQ(printer.pictures, int(window->Geometry.RowsPerPage));
}

TEST_F(Commands, NoPrinterIsReportedAtLine60) {
    printer.failing = true;
    test::ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> answers(reporter);
    window->PicBut_click(0);
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].procedure, "PicBut_click");
    EXPECT_EQ(reporter.reports[0].line, 60);
    EXPECT_EQ(reporter.reports[0].number, 482);
}

TEST_F(Commands, AdjustingShowsTheDialogThenClearsAndRepaintsThePreview) {
    PreviewBox& bild = window->Bild();
    bild.setForeColor(Qt::black);
    bild.line(0, 0, 4, 0);
    const int before = modalsClosed();
    window->ui().PicBut_1->click();
    EXPECT_EQ(modalsClosed(), before + 1);
    EXPECT_EQ(bild.image().pixelColor(1, 0), bild.backColor());
    // The sheet is drawn again.
    EXPECT_NE(bild.image().pixelColor(bild.width() / 2, bild.height() / 2), bild.backColor());
}

TEST_F(Commands, LanguageButtonsStoreTheLanguageEvenWhenShown) {
    window->PicBut_click(12);
    EXPECT_EQ(LangBase, 2000);
    EXPECT_EQ(window->ui().Label3->text(), "Copias:");
    window->PicBut_click(12);
    window->PicBut_click(10);
    EXPECT_EQ(LangBase, 0);
    EXPECT_EQ(settings.writes, QStringList({"Sprache= 2000", "Sprache= 2000", "Sprache= 0"}));
    // No such button: nothing.
    window->PicBut_click(5);
    EXPECT_EQ(settings.writes.size(), 3);
}

TEST_F(Commands, HelpMenuItemsOpenTheHomePageAndAMailAndTheAboutWindow) {
    window->ui().mnuHomepage->trigger();
    window->ui().mnuEMail->trigger();
    // Built without a maker's page and address, both lead to the guide beside the program, in
    // the window's language.
    const QString guide = QUrl::fromLocalFile(programInfo().directory + "/README.HTM").toString();
    EXPECT_EQ(shell.opened, QStringList({homePage().isEmpty() ? guide + "#de" : homePage(),
                                         supportEmail().isEmpty() ? guide + "#fault-de"
                                                                  : "mailto:" + supportEmail()}));
    const int before = modalsClosed();
    window->ui().mnuUeber->trigger();
    EXPECT_EQ(modalsClosed(), before + 1);
    // The help button shows the menu as a pop-up and waits for it.
    window->ui().PicBut_3->click();
    EXPECT_EQ(modalsClosed(), before + 2);
}

TEST_F(Commands, TheSetDialogOffersTheWindowsPictureSetsAndAChoiceThereIsTheWindowsChoice) {
    // A second entry of the same library, as a second plug-in set would be.
    window->cmbAuswahl.addItem({QStringLiteral("Zweiter Satz"), 0, {}});
    QStringList offered;
    answerModal = [&](QWidget* modal) {
        auto* dialog = qobject_cast<frmPrintSet*>(modal);
        if (!dialog)
            return false;
        QComboBox* sets = dialog->cmbPictureSet;
        for (int i = 0; i < sets->count(); ++i)
            offered << sets->itemText(i);
        EXPECT_EQ(sets->currentIndex(), 0);
        sets->setCurrentIndex(1);
        emit sets->activated(1);
        dialog->cmdClose->click();
        return true;
    };
    window->ui().PicBut_4->click();
    EXPECT_EQ(offered, QStringList({window->cmbAuswahl.item(0).Info, "Zweiter Satz"}));
    EXPECT_EQ(window->cmbAuswahl.listIndex(), 1);
}
