// The drawing pages printed from their dialog through CUPS, as a teacher prints them for a
// class: the chosen values on as few pages as fit, the copies in one job, and every page found
// again by its corner codes at its true size.
#include "app/frmDrawingPages.h"
#include "ownsets/DrawingPageFinder.h"
#include "sheet/SizeNotes.h"
#include "support/PrintedPdf.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace zavolin::test {

TEST(DrawingPagesDialog, PrintedPagesHoldTheChosenValuesAndAreFoundAgainAtTrueSize) {
    ZAVOLIN_SKIP_WITHOUT_CUPS();
    ASSERT_TRUE(cups::queueExists(QString::fromLatin1(cups::PdfQueue)));
    qputenv("PRINTER", cups::PdfQueue);
    frmDrawingPages dialog;
    qunsetenv("PRINTER");
    for (QCheckBox* box : dialog.chkValue)
        box->setChecked(false);
    dialog.chkValue.front()->setChecked(true); // "1"
    dialog.chkValue.back()->setChecked(true);  // "1000"
    dialog.spnCopies->setValue(2);
    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
    ASSERT_TRUE(dialog.print()) << qPrintable(dialog.lblStatus->text());
    ASSERT_EQ(dialog.sentJobs().size(), 1);
    QString why;
    const QString pdf = waitForJobPdf(dialog.sentJobs()[0], since, std::chrono::seconds(60), &why);
    ASSERT_FALSE(pdf.isEmpty()) << qPrintable(why);
    EXPECT_EQ(jobCopies(dialog.sentJobs()[0]), 2);
    // Both values on one page, in two copies.
    ASSERT_EQ(pdfPageCount(pdf), 2);
    const QString text = pdfText(pdf).split(QLatin1Char('\f')).value(0).simplified();
    for (const char* caption : {"1 · front", "1 · back", "1000 · front", "1000 · back"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(caption))) << qPrintable(text);

    constexpr int Dpi = 200;
    const QImage page = renderInColour(pdf, 1, Dpi);
    SizeTable sizes;
    SizeNotes(sizes);
    const DrawingPageSearch search = findDrawingPages(page, sizes);
    ASSERT_EQ(search.pages.size(), 1);
    const FoundDrawingPage& found = search.pages[0];
    EXPECT_EQ(found.codesRead, 4);
    EXPECT_EQ(found.layout.cells, (QList<qint16>{0, 1, 18, 19}));
    const double perMillimetre = pixelsPerMillimetre(found, found.layout.frames[0].center());
    EXPECT_NEAR(perMillimetre, Dpi / 25.4, Dpi / 25.4 * 0.005) << "the page's true size";
}

} // namespace zavolin::test
