// The main window's printer chosen in the print adjustment dialog: the queues CUPS offers, the
// choice kept across a start, a stored queue that is gone, the chosen queue's paper in use, and
// the line that says where a print went. The window prints through the program's own printer
// here, not a test printer put in its place.
#include "WindowFixture.h"
#include "app/PreviewBox.h"
#include "app/frmPrint.h"
#include "platform/print/DefaultPrinter.h"
#include "support/PrintedPdf.h"
#include "ui_frmZavolin.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

const QString Margins = QString::fromLatin1(cups::MarginsQueue);

class ChosenPrinter : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ZAVOLIN_SKIP_WITHOUT_CUPS();
        for (const char* queue : {cups::PdfQueue, cups::MarginsQueue, cups::DuplexQueue})
            ASSERT_TRUE(cups::queueExists(QString::fromLatin1(queue)))
                << "The test queue " << queue << " is missing: run tools/cups-setup.sh as root.";
        add("ZavolinAccepted.dll");
        // The fixture's recording printer steps aside for the program's own.
        Printer::replace(nullptr);
    }

    void TearDown() override {
        window.reset();
        chooseProgramPrinter(QString());
        WindowTest::TearDown();
    }

    // Answers the print adjustment dialog: picks the queue from the printer list as a user
    // would, after `look` has seen the dialog as it opened, then OK.
    void chooseInDialog(const QString& queue, std::function<void(frmPrint&)> look = {}) {
        answerModal = [this, queue, look](QWidget* modal) {
            auto* dialog = qobject_cast<frmPrint*>(modal);
            if (!dialog)
                return false;
            if (look)
                look(*dialog);
            EXPECT_NE(dialog->cmbPrinter, nullptr);
            if (dialog->cmbPrinter) {
                const int index = dialog->cmbPrinter->findData(queue);
                EXPECT_GE(index, 0) << qPrintable(queue);
                dialog->cmbPrinter->setCurrentIndex(index);
                emit dialog->cmbPrinter->activated(index);
                // Stored at once, before the dialog closes.
                EXPECT_EQ(settings.values.value(QStringLiteral("Printer")), queue);
            }
            dialog->cmdOK->click();
            return true;
        };
        window->ui().PicBut_1->click();
        answerModal = nullptr;
    }

    QLabel* jobNotice() const { return window->Bild().findChild<QLabel*>("lblJobSent"); }

    std::unique_ptr<frmZavolin> window;
};

} // namespace

TEST_F(ChosenPrinter, TheDialogListsTheQueuesKeepsTheChoiceAndTheWindowUsesItsPaper) {
    // A queue chosen once that is gone: said at the start, and the system's default prints.
    settings.values.insert(QStringLiteral("Printer"), QStringLiteral("zavolin-gone"));
    window = load();
    ASSERT_EQ(messages.informed.size(), 1);
    EXPECT_TRUE(messages.informed[0].contains("zavolin-gone"));
    EXPECT_EQ(programPrinterQueue(), QString());
    window->ui().PicBut_11->click(); // English

    chooseInDialog(Margins, [](frmPrint& dialog) {
        ASSERT_NE(dialog.cmbPrinter, nullptr);
        QStringList listed;
        for (int i = 0; i < dialog.cmbPrinter->count(); ++i)
            listed << dialog.cmbPrinter->itemText(i);
        EXPECT_EQ(listed.value(0), "System default");
        for (const char* queue : {cups::PdfQueue, cups::MarginsQueue, cups::DuplexQueue})
            EXPECT_TRUE(listed.contains(QString::fromLatin1(queue))) << queue;
        // The gone queue is not offered; the default is shown for it, and why.
        EXPECT_EQ(dialog.cmbPrinter->currentIndex(), 0);
        EXPECT_TRUE(dialog.lblPrinterNote->text().contains("zavolin-gone"))
            << qPrintable(dialog.lblPrinterNote->text());
        // The offsets and OK keep their places; the choice lies below them.
        EXPECT_EQ(dialog.cmdOK->geometry(), QRect(184, 96, 65, 33));
        EXPECT_EQ(dialog.vscLeftMargin->geometry().topLeft(), QPoint(192, 48));
        EXPECT_GT(dialog.cmbPrinter->y(), dialog.cmdOK->geometry().bottom());
        EXPECT_LE(dialog.lblPrinterNote->geometry().bottom(), dialog.height());
    });
    EXPECT_EQ(window->PrinterQueue, Margins);
    EXPECT_EQ(programPrinterQueue(), Margins);

    // The window's printer is now the queue's: A4 with its unprintable edges.
    Printer& printer = Printer::current();
    const double perMillimetre = printer.deviceUnitsPerMillimetre();
    EXPECT_NEAR(printer.physicalOffsetX() / perMillimetre, cups::MarginsLeft, 0.1);
    EXPECT_NEAR(printer.physicalOffsetY() / perMillimetre, cups::MarginsTop, 0.1);
    EXPECT_NEAR(printer.widthTwips() / 56.7, 210, 0.5);

    // The next start prints there too, and says nothing about it.
    window.reset();
    chooseProgramPrinter(QString());
    messages.informed.clear();
    window = load();
    EXPECT_TRUE(messages.informed.isEmpty()) << qPrintable(messages.informed.join('\n'));
    EXPECT_EQ(programPrinterQueue(), Margins);
}

TEST_F(ChosenPrinter, APrintOnTheChosenQueueSaysWhereItWentWithoutAWindow) {
    window = load();
    chooseInDialog(Margins);
    const QRect preview = window->Bild().geometry();
    const QRect printButton = window->ui().PicBut_0->geometry();
    const int modals = modalsClosed();

    // Pressed in German, the program's first language, then in English.
    const std::pair<const char*, const char*> languages[] = {
        {"^An zavolin-margins gesendet, Auftrag (\\d+)\\.$", nullptr},
        {"^Sent to zavolin-margins, job (\\d+)\\.$", "PicBut_11"}};
    for (const auto& [said, button] : languages) {
        if (button)
            window->findChild<QPushButton*>(button)->click();
        const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
        window->ui().PicBut_0->click();

        QLabel* notice = jobNotice();
        ASSERT_NE(notice, nullptr);
        EXPECT_TRUE(notice->isVisible());
        const QRegularExpressionMatch match = QRegularExpression(said).match(notice->text());
        ASSERT_TRUE(match.hasMatch()) << qPrintable(notice->text());
        // The job it names is the one cups-pdf writes.
        QString why;
        EXPECT_FALSE(waitForJobPdf(Margins + QLatin1Char('-') + match.captured(1), since,
                                   std::chrono::seconds(60), &why)
                         .isEmpty())
            << qPrintable(why);
        // Over the preview's bottom edge; no window opened and nothing moved.
        EXPECT_EQ(notice->geometry().bottom(), preview.height() - 1);
        EXPECT_EQ(modalsClosed(), modals);
        EXPECT_EQ(window->Bild().geometry(), preview);
        EXPECT_EQ(window->ui().PicBut_0->geometry(), printButton);
    }
}
