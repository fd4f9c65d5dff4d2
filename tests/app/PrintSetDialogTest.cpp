// The whole-set dialog printing through CUPS as a user would: turned over by hand it sends the
// fronts, says how to put the stack back, then sends the backs; cancelled, it sends nothing.
#include "app/frmPrintSet.h"
#include "platform/pictures/Picture.h"
#include "platform/pictures/PictureClip.h"
#include "sheet/SizeNotes.h"
#include "support/FakeMessageBoxes.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

class BlankPicture : public Picture {
public:
    QSizeF size() const override { return {2, 10}; }
    void draw(QPainter&, const QRectF&) const override {}
};

class PrintSetDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ZAVOLIN_SKIP_WITHOUT_CUPS();
        ASSERT_TRUE(cups::queueExists(QString::fromLatin1(cups::PdfQueue)));
        qputenv("PRINTER", cups::PdfQueue);
        clip.setPicture(std::make_shared<BlankPicture>());
        SizeNotes(sizes);
    }
    void TearDown() override { qunsetenv("PRINTER"); }

    FakeMessageBoxes boxes;
    ScopedReplacement<MessageBoxes> replaced{boxes};
    PictureClip clip;
    SizeTable sizes;
};

// The page's text, one page of the PDF.
QString pageText(const QString& pdf, int page) {
    return pdfText(pdf).split(QLatin1Char('\f')).value(page - 1).simplified();
}

} // namespace

TEST_F(PrintSetDialog, TurnedByHandTheFrontsGoThenTheMessageThenTheBacks) {
    frmPrintSet dialog({sizes, {}, clip});
    EXPECT_EQ(dialog.queue(), QString::fromLatin1(cups::PdfQueue));
    // "1" and the coins, two copies, turned over by hand.
    for (QCheckBox* box : dialog.chkValue)
        box->setChecked(false);
    dialog.chkValue.front()->setChecked(true);
    dialog.chkValue.back()->setChecked(true);
    dialog.spnCopies->setValue(2);
    dialog.cmbSides->setCurrentIndex(dialog.cmbSides->findData(int(SetSides::TurnByHand)));
    // Seven "1" notes fit the queue's A4 page one above the other; as many columns as fit
    // take two side by side.
    EXPECT_EQ(dialog.lblPaper->text(), "Sheets of paper: 4; on each: 1 ×7, coins ×10");
    EXPECT_TRUE(frmPrintSet({sizes, {}, clip, ColumnLayout::AsManyAsFit})
                    .lblPaper->text()
                    .startsWith("Sheets of paper: 11; on each: 1 ×14, 2 ×14,"));
    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);

    ASSERT_TRUE(dialog.printSet()) << qPrintable(dialog.lblStatus->text());
    ASSERT_EQ(boxes.informed.size(), 1);
    EXPECT_TRUE(boxes.informed[0].contains("turn it over about its long edge"));
    ASSERT_EQ(dialog.sentJobs().size(), 2);
    const QStringList expected[] = {{"1 · front · page 1 of 2", "coins · front · page 2 of 2"},
                                    {"1 · back · page 1 of 2", "coins · back · page 2 of 2"}};
    for (int job = 0; job < 2; ++job) {
        QString why;
        const QString pdf =
            waitForJobPdf(dialog.sentJobs()[job], since, std::chrono::seconds(60), &why);
        ASSERT_FALSE(pdf.isEmpty()) << qPrintable(why);
        EXPECT_EQ(jobCopies(dialog.sentJobs()[job], &why), 2) << qPrintable(why);
        // Collated: the whole document once, then again.
        ASSERT_EQ(pdfPageCount(pdf), 4);
        for (int page = 1; page <= 4; ++page)
            EXPECT_TRUE(pageText(pdf, page).contains(expected[job][(page - 1) % 2]))
                << "job " << job + 1 << ", page " << page << ": "
                << qPrintable(pageText(pdf, page));
    }

    // Cancelled as soon as the drawing starts: no job.
    QTimer::singleShot(0, dialog.cmdCancel, &QPushButton::click);
    EXPECT_FALSE(dialog.printSet());
    EXPECT_TRUE(dialog.sentJobs().isEmpty());
    EXPECT_TRUE(dialog.lblStatus->text().startsWith("Cancelled"));
    EXPECT_EQ(boxes.informed.size(), 1);
}

// A class's notes counted by value on the two-sided queue: one job, each value as many sheets
// as its count needs, copies left at one; opened again, the dialog has every choice back.
TEST_F(PrintSetDialog, CountedNotesGoAsOneTwoSidedJobAndAreThereNextTime) {
    const QString duplex = QString::fromLatin1(cups::DuplexQueue);
    {
        frmPrintSet dialog({sizes, {}, clip});
        dialog.cmbPrinter->setCurrentIndex(dialog.cmbPrinter->findData(duplex));
        ASSERT_EQ(dialog.queue(), duplex);
        ASSERT_EQ(SetSides(dialog.cmbSides->currentData().toInt()), SetSides::TwoSided);
        // Three children, five notes of "1" and a coin strip each.
        for (QSpinBox* each : dialog.spnEach)
            each->setValue(0);
        dialog.spnEach.front()->setValue(5);
        dialog.spnEach.back()->setValue(1);
        dialog.spnChildren->setValue(3);
        dialog.cmdFill->click();
        EXPECT_TRUE(dialog.chkCounting->isChecked());
        EXPECT_EQ(dialog.spnCount.front()->value(), 15);
        EXPECT_FALSE(dialog.chkValue[1]->isChecked());
        // Seven "1" on a page: three pages; the three strips on one.
        EXPECT_EQ(dialog.lblGot.front()->text(), "pages: 3, notes: 21");
        EXPECT_EQ(dialog.lblGot.back()->text(), "pages: 1, notes: 10");
        EXPECT_EQ(dialog.lblPaper->text(), "Sheets of paper: 4");
        const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
        ASSERT_TRUE(dialog.printSet()) << qPrintable(dialog.lblStatus->text());
        ASSERT_EQ(dialog.sentJobs().size(), 1);
        const QString job = dialog.sentJobs().front();
        EXPECT_EQ(dialog.lblStatus->text(),
                  QStringLiteral("Sent to %1, job %2.").arg(duplex, job.section('-', -1)));
        QString why;
        const QString pdf = waitForJobPdf(job, since, std::chrono::seconds(60), &why);
        ASSERT_FALSE(pdf.isEmpty()) << qPrintable(why);
        EXPECT_EQ(pdfPageCount(pdf), 8);
        EXPECT_EQ(jobCopies(job, &why), 1) << qPrintable(why);
        EXPECT_EQ(jobAttribute(job, QStringLiteral("sides"), &why),
                  QStringLiteral("two-sided-long-edge"))
            << qPrintable(why);
        EXPECT_TRUE(pageText(pdf, 6).contains("1 · back · page 6 of 8"));
        EXPECT_TRUE(pageText(pdf, 7).contains("coins · front · page 7 of 8"));
        dialog.cmdClose->click();
    }
    frmPrintSet again({sizes, {}, clip});
    EXPECT_EQ(again.queue(), duplex);
    EXPECT_TRUE(again.chkCounting->isChecked());
    EXPECT_EQ(again.spnChildren->value(), 3);
    EXPECT_EQ(again.spnEach.front()->value(), 5);
    EXPECT_EQ(again.spnCount.front()->value(), 15);
    EXPECT_EQ(again.spnCount.back()->value(), 3);
    EXPECT_FALSE(again.chkValue[1]->isChecked());
    EXPECT_EQ(SetSides(again.cmbSides->currentData().toInt()), SetSides::TwoSided);
    EXPECT_EQ(again.cmbPaper->currentText(), "A4");
    EXPECT_EQ(again.lblPaper->text(), "Sheets of paper: 4");
}

} // namespace zavolin::test

namespace zavolin::test {

TEST_F(PrintSetDialog, SerialsChosenInTheDialogAreOnTheSavedNotesAndCheckedThere) {
    frmPrintSet dialog({sizes, {}, clip});
    for (QCheckBox* box : dialog.chkValue)
        box->setChecked(false);
    dialog.chkValue[2]->setChecked(true); // "5"
    dialog.chkSerials->setChecked(true);
    dialog.txtSerialPrefix->setText("4a");
    const QString pdf = freshDirectory(QStringLiteral("dialog-serials")) + "/set.pdf";
    ASSERT_TRUE(dialog.saveAsPdf(pdf)) << qPrintable(dialog.lblStatus->text());
    // Six notes "5" on the file's A4 page, the back behind the front.
    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].count(QStringLiteral("4A-00")), 6);
    EXPECT_EQ(pages[1].count(QStringLiteral("4A-00")), 6);
    EXPECT_TRUE(dialog.lblStatus->text().contains("Serials 4A-0001-"))
        << qPrintable(dialog.lblStatus->text());
    const QString first = dialog.lblStatus->text().section(QLatin1Char(' '), -5, -5);
    EXPECT_EQ(checkSerial(first).kind, SerialVerdict::Kind::Valid) << qPrintable(first);
}

} // namespace zavolin::test
