// The main window end to end: printing from the toolbar through a real CUPS queue, the print
// adjustment dialog answered as a user would, the real settings file across a restart, and the
// real error window's end answer.
#include "WindowFixture.h"
#include "app/PreviewBox.h"
#include "app/frmPrint.h"
#include "errors/ErrPtnr.h"
#include "lang/LangState.h"
#include "platform/print/CupsQueuePrinter.h"
#include "support/PrintedPdf.h"
#include "support/ScriptedReporter.h"
#include "support/TestEnvironment.h"
#include "ui_frmZavolin.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>
#include <iostream>

using namespace zavolin;
using namespace zavolin::test;

namespace {

constexpr double Tolerance = 0.15; // millimetres on paper

// The grey cut lines of one printed page.
struct PrintedLines {
    QString jobId;
    QList<FoundLine> horizontal;
    QList<FoundLine> vertical;
};

class PrintedWindow : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ZAVOLIN_SKIP_WITHOUT_CUPS();
        for (const char* queue : {cups::PdfQueue, cups::RejectingQueue, cups::PausedQueue})
            ASSERT_TRUE(cups::queueExists(QString::fromLatin1(queue)))
                << "The test queue " << queue << " is missing: run tools/cups-setup.sh as root.";
        add("ZavolinAccepted.dll");
        settingsFile = freshDirectory(QStringLiteral("settings")) + QStringLiteral("/zavolin.ini");
    }

    // Starts the program as a new process would: a new settings store on the same file, a new
    // printer on the queue.
    std::unique_ptr<frmZavolin> start(const char* queue = cups::PdfQueue) {
        // A replacement restores the one before it: end the old ones first.
        window.reset();
        printerInUse.reset();
        realPrinter.reset();
        storeInUse.reset();
        store = std::make_unique<QSettingsStore>(settingsFile);
        storeInUse = std::make_unique<ScopedReplacement<SettingsStore>>(*store);
        realPrinter = openCupsQueuePrinter(QString::fromLatin1(queue));
        printerInUse = std::make_unique<ScopedReplacement<Printer>>(*realPrinter);
        return load();
    }

    void TearDown() override {
        window.reset();
        printerInUse.reset();
        realPrinter.reset();
        storeInUse.reset();
        store.reset();
        WindowTest::TearDown();
    }

    // Presses the print button and measures the page cups-pdf writes.
    PrintedLines print(frmZavolin& w) {
        const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
        const QString before = realPrinter->lastDelivery();
        w.ui().PicBut_0->click();
        PrintedLines printed;
        printed.jobId = realPrinter->lastDelivery();
        EXPECT_NE(printed.jobId, before) << "no job was handed to CUPS";
        QString why;
        const QString pdf = waitForJobPdf(printed.jobId, since, std::chrono::seconds(60), &why);
        EXPECT_FALSE(pdf.isEmpty()) << qPrintable(why);
        if (pdf.isEmpty())
            return printed;
        const PageRaster page = PageRaster::render(pdf);
        EXPECT_FALSE(page.isNull()) << qPrintable(pdf);
        printed.horizontal = page.horizontalLines();
        printed.vertical = page.verticalLines();
        return printed;
    }

    // Answers the print adjustment dialog: its up arrows pressed right and down times (the
    // bars count the offsets negated), then OK.
    void adjustBy(int right, int down) {
        answerModal = [right, down](QWidget* modal) {
            auto* dialog = qobject_cast<frmPrint*>(modal);
            if (!dialog)
                return false;
            for (int i = 0; i < right; ++i)
                dialog->vscLeftMargin->triggerAction(QAbstractSlider::SliderSingleStepSub);
            for (int i = 0; i < down; ++i)
                dialog->vscTopMargin->triggerAction(QAbstractSlider::SliderSingleStepSub);
            dialog->cmdOK->click();
            return true;
        };
    }

    QString storedText(const QString& key) const {
        QSettings file(settingsFile, QSettings::IniFormat);
        return file.value(QStringLiteral("Optionen/") + key).toString();
    }

    QString settingsFile;
    std::unique_ptr<frmZavolin> window;
    std::unique_ptr<QtPrinter> realPrinter;

private:
    std::unique_ptr<QSettingsStore> store;
    std::unique_ptr<ScopedReplacement<SettingsStore>> storeInUse;
    std::unique_ptr<ScopedReplacement<Printer>> printerInUse;
};

// Every line of the second page lies where the first page's line lies, moved by the shift.
void expectShifted(const QList<FoundLine>& before, const QList<FoundLine>& after, double shift,
                   const char* what) {
    ASSERT_FALSE(before.isEmpty()) << what;
    ASSERT_EQ(before.size(), after.size()) << what;
    double worst = 0;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const double moved = after[i].across - before[i].across;
        EXPECT_NEAR(moved, shift, Tolerance) << what << " line " << i;
        worst = std::max(worst, std::abs(moved - shift));
    }
    std::cout << "[ measure  ] " << what << " lines moved " << shift << " mm, off by at most "
              << worst << " mm\n";
}

} // namespace

TEST_F(PrintedWindow, ThreeCopiesMakeOneJobOfThreeAndThePrinterKeepsItsOwnCount) {
    window = start();
    ASSERT_EQ(realPrinter->copies(), 1);
    window->ui().txtCopy->setText(QStringLiteral("3"));
    const PrintedLines printed = print(*window);
    QString why;
    EXPECT_EQ(jobCopies(printed.jobId, &why), 3) << qPrintable(why);
    EXPECT_EQ(realPrinter->copies(), 1);
    EXPECT_FALSE(printed.vertical.isEmpty());
}

TEST_F(PrintedWindow, OffsetsFromTheDialogMoveThePageByWholeMillimetresAndSurviveARestart) {
    window = start();
    const PrintedLines plain = print(*window);

    adjustBy(3, 2);
    window->ui().PicBut_1->click();
    EXPECT_EQ(window->Offsets.LeftMargin, 3);
    EXPECT_EQ(window->Offsets.TopMargin, 2);
    const PrintedLines moved = print(*window);
    expectShifted(plain.vertical, moved.vertical, 3.0, "vertical");
    expectShifted(plain.horizontal, moved.horizontal, 2.0, "horizontal");

    window->close();
    EXPECT_EQ(storedText(QStringLiteral("LeftMargin")), QStringLiteral("3"));
    EXPECT_EQ(storedText(QStringLiteral("TopMargin")), QStringLiteral("2"));

    window = start();
    EXPECT_EQ(window->Offsets.LeftMargin, 3);
    EXPECT_EQ(window->Offsets.TopMargin, 2);
    const PrintedLines again = print(*window);
    expectShifted(moved.vertical, again.vertical, 0.0, "vertical after the restart");
    expectShifted(moved.horizontal, again.horizontal, 0.0, "horizontal after the restart");
}

TEST_F(PrintedWindow, TheKeyboardAloneReachesEveryControlSetsTheOffsetsPrintsAndEnds) {
    window = start();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // Each key goes where a key goes: to the control with the focus.
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
    };
    Ui::frmZavolin& ui = window->ui();
    QSet<QWidget*> reached;
    for (int i = 0; i < 30; ++i) {
        press(Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui.cmbAuswahl, ui.cmbSide, ui.optIndex_1, ui.txtCopy, ui.PicBut_0, ui.PicBut_1,
             ui.PicBut_2, ui.PicBut_3, ui.PicBut_4, ui.PicBut_10, ui.PicBut_11, ui.PicBut_12})
        EXPECT_TRUE(reached.contains(control)) << qPrintable(control->objectName());

    // The dialog opens on the offset down: Up twice, Tab, Page Up three times, Enter.
    answerModal = [](QWidget* modal) {
        auto* dialog = qobject_cast<frmPrint*>(modal);
        if (!dialog)
            return false;
        EXPECT_EQ(dialog->focusWidget(), dialog->vscTopMargin);
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Tab, Qt::Key_PageUp, Qt::Key_PageUp,
                            Qt::Key_PageUp, Qt::Key_Return})
            QTest::keyClick(dialog->focusWidget(), key);
        return true;
    };
    for (int i = 0; i < 30 && QApplication::focusWidget() != ui.PicBut_1; ++i)
        press(Qt::Key_Tab);
    press(Qt::Key_Space);
    EXPECT_EQ(window->Offsets.TopMargin, 2);
    EXPECT_EQ(window->Offsets.LeftMargin, 3);
    // The keyboard is back in the main window once the dialog has gone.
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));

    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
    const QString before = realPrinter->lastDelivery();
    press(Qt::Key_P, Qt::ControlModifier);
    const QString job = realPrinter->lastDelivery();
    ASSERT_NE(job, before) << "Ctrl+P handed no job to CUPS";
    QString why;
    EXPECT_FALSE(waitForJobPdf(job, since, std::chrono::seconds(60), &why).isEmpty())
        << qPrintable(why);

    // Ends as the end button does, storing the offsets.
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(storedText(QStringLiteral("TopMargin")), QStringLiteral("2"));
    EXPECT_EQ(storedText(QStringLiteral("LeftMargin")), QStringLiteral("3"));
}

TEST_F(PrintedWindow, ColumnsChosenInTheDialogShowInThePreviewPrintAndSurviveARestart) {
    window = start();
    // The block's width shows in its horizontal cut lines, the longest grey lines on the page:
    // 30 mm out on the left, 28 on the right. "1" on A4 is 70 mm wide: one column of it makes
    // lines 130 mm long, two 202 mm.
    const auto longest = [](const QList<FoundLine>& lines) {
        double length = 0;
        for (const FoundLine& line : lines)
            length = std::max(length, line.end - line.start);
        return length;
    };
    const auto inPreview = [&] {
        // The preview's pixels measured as tenths of a millimetre.
        return longest(PageRaster::fromImage(window->Bild().image(), 254).horizontalLines());
    };
    const PrintedLines one = print(*window);
    const double oneInPreview = inPreview();
    EXPECT_NEAR(longest(one.horizontal), 130, 0.3);

    answerModal = [](QWidget* modal) {
        auto* dialog = qobject_cast<frmPrint*>(modal);
        if (!dialog)
            return false;
        EXPECT_NE(dialog->chkColumns, nullptr);
        if (dialog->chkColumns)
            dialog->chkColumns->click();
        dialog->cmdOK->click();
        return true;
    };
    window->ui().PicBut_1->click();
    EXPECT_EQ(window->Columns, ColumnLayout::AsManyAsFit);
    // Stored at once, not only when the program ends.
    EXPECT_EQ(storedText(QStringLiteral("Columns")), QStringLiteral("auto"));
    const PrintedLines two = print(*window);
    EXPECT_NEAR(longest(two.horizontal), 202, 0.3);
    // In the preview the overhangs are 58 pixels at any scale: a second column adds a note
    // and the 2 pixels to its cut line.
    const auto twoColumnsOf = [](double one) { return 2 * one - 5.6; };
    EXPECT_NEAR(inPreview(), twoColumnsOf(oneInPreview), 0.4);

    window = start();
    EXPECT_EQ(window->Columns, ColumnLayout::AsManyAsFit);
    EXPECT_NEAR(inPreview(), twoColumnsOf(oneInPreview), 0.4);
}

TEST_F(PrintedWindow, APrinterThatCannotPrintIsDescribedInTheWindowsLanguageWithWhatToDo) {
    struct Case {
        const char* queue;
        const char* languageButton;
        QStringList said;
    };
    const Case cases[] = {
        {cups::PausedQueue, "PicBut_10", {"„zavolin-paused“ ist angehalten", "fortsetzen"}},
        {cups::RejectingQueue, "PicBut_12", {"«zavolin-rejecting» rechazó", "elija otra"}},
        {cups::PausedQueue, "PicBut_11", {"\"zavolin-paused\" is paused", "Resume it"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.queue);
        window = start(c.queue);
        window->findChild<QPushButton*>(QLatin1String(c.languageButton))->click();
        ScriptedReporter reporter({Cancel});
        ScopedReplacement<ErrorReporter> reporting(reporter);
        window->ui().PicBut_0->click();
        ASSERT_EQ(reporter.reports.size(), 1);
        EXPECT_EQ(reporter.reports[0].line, 180);
        for (const QString& words : c.said)
            EXPECT_TRUE(reporter.reports[0].description.contains(words))
                << qPrintable(reporter.reports[0].description);
    }
}

TEST_F(PrintedWindow, EndingFromTheErrorWindowKeepsTheLanguageAndLosesTheOffsets) {
    window = start(cups::RejectingQueue);
    window->ui().PicBut_11->click();
    adjustBy(5, 4);
    window->ui().PicBut_1->click();
    ASSERT_EQ(window->Offsets.LeftMargin, 5);

    // The queue refuses the job; the error window is answered with its end button.
    ErrPtnr errorWindow;
    ScopedReplacement<ErrorReporter> realWindow(errorWindow);
    RecordingEnd end;
    ScopedReplacement<ProgramEnd> ending(end);
    answerModal = [&errorWindow](QWidget* modal) {
        if (modal != &errorWindow)
            return false;
        errorWindow.findChild<QPushButton*>(QStringLiteral("cmdContinue_3"))->click();
        return true;
    };
    window->ui().PicBut_0->click();
    EXPECT_EQ(end.calls, 1);
    EXPECT_EQ(errorWindow.choiceValue(), End);
    // Where the job was handed over.
    EXPECT_EQ(errorWindow.findChild<QLabel*>(QStringLiteral("lblError_3"))->text(), "180");

    // The program ended there: no unload handler ran.
    window.reset();
    EXPECT_EQ(storedText(QStringLiteral("Sprache")), QStringLiteral(" 1000"));
    EXPECT_EQ(storedText(QStringLiteral("LeftMargin")), QString());
    LangBase = 0;
    window = start();
    EXPECT_EQ(LangBase, 1000);
    EXPECT_EQ(window->Offsets.LeftMargin, 0);
    EXPECT_EQ(window->Offsets.TopMargin, 0);
}
