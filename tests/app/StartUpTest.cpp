// The start-up sequence of the main window.
#include "WindowFixture.h"
#include "app/PreviewBox.h"
#include "lang/LangState.h"
#include "platform/base/ProgramInfo.h"
#include "support/ScriptedReporter.h"
#include "ui_frmZavolin.h"

#include <QFile>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class StartUp : public WindowTest {};

QStringList entries(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.itemText(i);
    return texts;
}

} // namespace

TEST_F(StartUp, FirstRunIsGermanWithValueOneFrontSideAndTheFirstPictureSet) {
    add("ZavolinLowerTyp.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    const auto window = load();
    Ui::frmZavolin& ui = window->ui();

    EXPECT_EQ(LangBase, 0);
    EXPECT_EQ(entries(*ui.cmbSide), QStringList({"Vorderseite", "Rückseite"}));
    EXPECT_EQ(ui.Label3->text(), "Kopien:");
    EXPECT_EQ(window->Offsets.LeftMargin, 0);
    EXPECT_EQ(window->Offsets.TopMargin, 0);
    EXPECT_EQ(window->Denom, 1);
    EXPECT_EQ(window->Side, 0);
    EXPECT_EQ(ui.cmbSide->currentIndex(), 0);
    EXPECT_EQ(ui.txtCopy->text(), "1");
    // The accepted library's entry, chosen, pointing at its place in the file list.
    EXPECT_EQ(entries(*ui.cmbAuswahl), QStringList({"Fixture ZavolinB"}));
    EXPECT_EQ(ui.cmbAuswahl->currentIndex(), 0);
    EXPECT_EQ(window->lstFiles.listIndex(), 1);
    EXPECT_EQ(window->AppPath, folder());
    ASSERT_NE(window->clpPics.picture(), nullptr);
    // Listing makes the class twice; the handler at [210] and the statement [220] once each:
    // a handler also run by the list's own selection would make a fifth.
    EXPECT_EQ(logged("create").count("ZavolinB.dll"), 4);
    // The about window was shown, and the main window is up.
    EXPECT_EQ(modalsClosed(), 1);
    EXPECT_TRUE(window->isVisible());
    // The language table was extracted; nothing was stored.
    EXPECT_TRUE(LangFile.endsWith("/~tmp.lng"));
    EXPECT_TRUE(QFile::exists(LangFile));
    EXPECT_EQ(settings.writes, QStringList());
    // The page geometry is known.
    EXPECT_GT(window->Geometry.RowsPerPage, 0);
    EXPECT_EQ(printer.mode, PrinterScaleMode::Millimetres);
}

TEST_F(StartUp, StoredSpanishWithItsLeadingBlankAndStoredOffsets) {
    add("ZavolinAccepted.dll");
    settings.values.insert("Sprache", " 2000");
    settings.values.insert("LeftMargin", "-3");
    settings.values.insert("TopMargin", "12");
    const auto window = load();
    EXPECT_EQ(LangBase, 2000);
    EXPECT_EQ(entries(*window->ui().cmbSide), QStringList({"Anverso", "Reverso"}));
    EXPECT_EQ(window->Offsets.LeftMargin, -3);
    EXPECT_EQ(window->Offsets.TopMargin, 12);
}

TEST_F(StartUp, StoredTextsThatAreNoNumbersAreReportedAtTheirLines) {
    add("ZavolinAccepted.dll");
    settings.values.insert("Sprache", "Deutsch");
    settings.values.insert("TopMargin", "40000");
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> answers(reporter);
    const auto window = load();
    ASSERT_EQ(reporter.reports.size(), 2);
    EXPECT_EQ(reporter.reports[0].line, 90);
    EXPECT_EQ(reporter.reports[0].number, 13);
    EXPECT_EQ(reporter.reports[1].line, 250);
    EXPECT_EQ(reporter.reports[1].number, 6);
    // Ignored: the values stay 0 and the start-up goes on.
    EXPECT_EQ(LangBase, 0);
    EXPECT_EQ(window->Offsets.TopMargin, 0);
    EXPECT_TRUE(window->isVisible());
}

// Steps beyond the labelled ones: a failure is said once and the window opens all the same.
TEST_F(StartUp, AFailedUnlabelledStepIsSaidOnceAndTheWindowOpens) {
    add("ZavolinAccepted.dll");
    for (const QString key : {"Printer", "Columns"}) {
        SCOPED_TRACE(key.toStdString());
        settings.failingKey = key;
        messages.informed.clear();
        ScriptedReporter reporter;
        ScopedReplacement<ErrorReporter> answers(reporter);
        const auto window = load();
        EXPECT_TRUE(reporter.reports.isEmpty());
        ASSERT_EQ(messages.informed.size(), 1);
        EXPECT_TRUE(messages.informed[0].contains(key + " cannot be read"));
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(StartUp, WithoutPlugInsLine210IsReportedAndIgnoringOpensAnEmptyList) {
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> answers(reporter);
    const auto window = load();
    // Painting without a picture set fails in the painter, reported there.
    ASSERT_GE(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].module, "frmZavolin");
    EXPECT_EQ(reporter.reports[0].procedure, "Form_Load");
    EXPECT_EQ(reporter.reports[0].line, 210);
    EXPECT_EQ(reporter.reports[0].number, 380);
    for (const Report& report : reporter.reports.mid(1))
        EXPECT_EQ(report.procedure, "PaintNotes");
    EXPECT_EQ(window->ui().cmbAuswahl->count(), 0);
    EXPECT_EQ(window->clpPics.picture(), nullptr);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartUp, CancelLeavesTheRestUndoneButTheWindowIsShown) {
    ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> answers(reporter);
    settings.values.insert("LeftMargin", "7");
    const auto window = load();
    ASSERT_GE(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].line, 210);
    EXPECT_EQ(window->Offsets.LeftMargin, 0);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartUp, CaptionIsTitleTwoBlanksAndThePaddedVersion) {
    add("ZavolinAccepted.dll");
    ProgramInfo info = programInfo();
    info.title = "Zavolin";
    info.major = 2;
    info.minor = 22;
    info.revision = 272;
    {
        ScopedProgramInfo version(info);
        EXPECT_EQ(load()->windowTitle(), "Zavolin  2.22.0272");
    }
    info.major = 3;
    info.minor = 5;
    info.revision = 7;
    ScopedProgramInfo version(info);
    EXPECT_EQ(load()->windowTitle(), "Zavolin  3.05.0007");
}

TEST_F(StartUp, ASecondInstanceEndsAtOnceAndChangesNothing) {
    add("ZavolinAccepted.dll");
    instance.other = true;
    LangBase = 1000;
    LangFile = "unchanged";
    frmZavolin window;
    EXPECT_FALSE(window.Form_Load());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(modalsClosed(), 0);
    EXPECT_EQ(LangBase, 1000);
    EXPECT_EQ(LangFile, "unchanged");
    EXPECT_EQ(settings.writes, QStringList());
    // No plug-in was registered, so the running instance keeps its own.
    EXPECT_EQ(log(), QStringList());
    // Its window never shown, it is never closed: nothing is unregistered or saved either.
}

TEST_F(StartUp, RestoringAMinimisedWindowLaysItOutAndRepaintsThePreview) {
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    const auto window = load();
    PreviewBox& bild = *window->ui().Bild;
    window->setWindowState(Qt::WindowMinimized);
    bild.clear();
    // A restore keeps the size, so no resize event: the state change itself must lay out.
    window->setWindowState(Qt::WindowNoState);
    const QImage& image = bild.image();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != bild.backColor().rgb();
    EXPECT_GT(drawn, 0);
}
